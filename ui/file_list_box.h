#pragma once

#include <QListWidget>
#include <QStringList>

namespace ordanex {

// The list box of input files. It takes drops of local files from other
// programs and reports them, its keys and its pointer moves to the window.
class FileListBox : public QListWidget {
    Q_OBJECT

public:
    explicit FileListBox(QWidget* parent = nullptr);

    // The row of the entry nearest to `viewportPos`: below the last entry,
    // the last one. An empty list answers 0.
    int rowNearest(QPoint viewportPos) const;

signals:
    void filesDropped(const QStringList& paths);
    void keyDown(int key);
    void mouseMoved(QPoint viewportPos);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool offerDrop(QDropEvent* event) const;

    // Whether the drag now over the list carries local files, decided once
    // when it enters: a drag of thousands of files moves over many pixels.
    bool dragHasFiles_ = false;
};

// The local file paths a drop carries, in the order it lists them.
QStringList localFilePaths(const QMimeData* data);

} // namespace ordanex
