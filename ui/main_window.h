#pragma once

#include "core/merge_command.h"
#include "list_box_entries.h"

#include <QWidget>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ordanex {

class FileListBox;

inline constexpr char kApplicationTitle[] = "Ordanex";

// The program's only window: the list of files to merge, the destination,
// and the buttons that order the list and start the merge.
class frmMain : public QWidget, private MessageDisplay {
    Q_OBJECT

public:
    // `appDirectory` is asked anew on every merge.
    frmMain(ProgramStarter& starter, std::function<std::string()> appDirectory,
            QWidget* parent = nullptr);

    FileListBox* lbFilelist;
    QLabel* Label1;
    QLineEdit* dfDestination;
    QLabel* Label2;
    QPushButton* dfMerge;
    QPushButton* pbUp;
    QPushButton* pbDown;

    EntryList& entries() { return entries_; }

    // The smallest client area at which every control stays whole.
    static QSize minimumClientSize();

    void lbFilelist_OLEDragDrop(const QStringList& paths);
    void lbFilelist_KeyDown(int key);
    void lbFilelist_MouseMove(QPoint viewportPos);
    void pbUp_Click();
    void pbDown_Click();
    void dfMerge_Click();
    void Form_Resize();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showMessage(const std::string& text) override;

    ListBoxEntries entries_;
    ProgramStarter& starter_;
    std::function<std::string()> appDirectory_;
};

} // namespace ordanex
