// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/merge_command.h"
#include "list_box_entries.h"
#include "message_boxes.h"
#include "qt_texts.h"
#include "window_layout.h"

#include <QWidget>

#include <array>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ordanex {

class FileListBox;
struct DroppedFiles;

// The program's only window: the list of files to merge, the destination,
// and the buttons that order the list and start the merge.
class frmMain : public QWidget, private MergeListener {
    Q_OBJECT

public:
    // `appDirectory` is asked anew on every merge.
    frmMain(ToolStarter& starter, const Disk& disk, std::function<std::string()> appDirectory,
            QWidget* parent = nullptr);

    FileListBox* lbFilelist;
    QLabel* Label1;
    QLineEdit* dfDestination;
    QLabel* Label2;
    QPushButton* dfMerge;
    QPushButton* pbUp;
    QPushButton* pbDown;

    EntryList& entries() { return entries_; }

    // How much larger than designed the layout is drawn, so that every
    // caption is whole in the desktop's font; 1 where the font fits.
    double layoutFactor() const { return factor_; }

    void lbFilelist_OLEDragDrop(const DroppedFiles& files);
    // The Paste key in the list: the clipboard's files, added as a drop of
    // them would be.
    void lbFilelist_Paste(const DroppedFiles& files);
    void lbFilelist_KeyDown(int key);
    void lbFilelist_MouseMove(QPoint viewportPos);
    void pbUp_Click();
    void pbDown_Click();
    void dfMerge_Click();
    void Form_Resize();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void mergeStarted() override;
    void mergeEnded(const MergeReport& report) override;
    // Adds the files that were dropped or pasted, and tells what was left
    // out; returns how many were added.
    int addFiles(const DroppedFiles& files, bool pasted);
    std::array<QWidget*, layout::kControls> controls() const;
    // Fits the layout to the controls' fonts and style; the window keeps at
    // least the size `atLeast`.
    void layOut(QSize atLeast);
    // Puts the controls at `placement`, following the window's width if
    // asked to and not minimised, mirrored in a right-to-left language.
    void place(layout::Placement placement, bool followWidth);

    double factor_ = 1;
    int ruleWidth_ = -1;          // the outer width the resize rule last used
    layout::Placement placement_; // where the controls are, read from the left
    int merges_ = 0;              // merges running
    ListBoxEntries entries_;
    MessageBoxes boxes_;
    QtTexts texts_;
    ToolStarter& starter_;
    MergeFiles files_; // of the merges that run
    std::function<std::string()> appDirectory_;
};

} // namespace ordanex
