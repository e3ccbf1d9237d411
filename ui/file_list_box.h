// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dropped_files.h"

#include <QListWidget>

namespace ordanex {

// The list box of input files. It takes drops of local files from other
// programs, and the files on the clipboard with the Paste key, and reports
// them, its keys and its pointer moves to the window.
class FileListBox : public QListWidget {
    Q_OBJECT

public:
    explicit FileListBox(QWidget* parent = nullptr);

    // The row of the entry nearest to `viewportPos`: below the last entry,
    // the last one. An empty list answers 0.
    int rowNearest(QPoint viewportPos) const;

signals:
    void filesDropped(const ordanex::DroppedFiles& files);
    void filesPasted(const ordanex::DroppedFiles& files);
    void keyDown(int key);
    void mouseMoved(QPoint viewportPos);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    bool offerDrop(QDropEvent* event) const;
    // Where the pointer finds `row` as its nearest entry.
    QRect rowArea(int row) const;

    // Whether the drag now over the list carries local files, decided once
    // when it enters: a drag of thousands of files moves over many pixels.
    bool dragHasFiles_ = false;
};

} // namespace ordanex
