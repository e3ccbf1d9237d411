// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_list_box.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QToolTip>
#include <QUrl>

#include <algorithm>

namespace ordanex {

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // All rows are one line high, which keeps layout and hit tests cheap for
    // long lists.
    setUniformItemSizes(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    viewport()->setMouseTracking(true);
}

int FileListBox::rowNearest(QPoint viewportPos) const
{
    const int rows = count();
    if (rows == 0)
        return 0;
    const QModelIndex hit = indexAt(viewportPos);
    if (hit.isValid())
        return hit.row();
    const QModelIndex last = model()->index(rows - 1, 0);
    const QRect lastRect = visualRect(last);
    if (viewportPos.y() >= lastRect.top())
        return rows - 1;
    // Beside the entries rather than below them: the entry at that height.
    const QModelIndex beside = indexAt(QPoint(lastRect.left(), viewportPos.y()));
    return beside.isValid() ? beside.row() : 0;
}

QRect FileListBox::rowArea(int row) const
{
    QRect area = visualRect(model()->index(row, 0));
    area.setLeft(0);
    area.setRight(viewport()->width());
    if (row == count() - 1)
        area.setBottom(viewport()->height());
    return area;
}

// Takes the files as a copy, or as a link where the source offers no copy,
// never as a move: the source of a move may delete its files afterwards.
bool FileListBox::offerDrop(QDropEvent* event) const
{
    if (!dragHasFiles_)
        return false;
    const Qt::DropActions offered = event->possibleActions();
    if (offered & Qt::CopyAction)
        event->setDropAction(Qt::CopyAction);
    else if (offered & Qt::LinkAction)
        event->setDropAction(Qt::LinkAction);
    else
        return false;
    return true;
}

void FileListBox::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    dragHasFiles_ =
        data && data->hasUrls() &&
        std::ranges::any_of(data->urls(), [](const QUrl& url) { return url.isLocalFile(); });
    if (offerDrop(event))
        event->accept();
    else
        event->ignore();
}

void FileListBox::dragMoveEvent(QDragMoveEvent* event)
{
    if (offerDrop(event))
        event->accept();
    else
        event->ignore();
}

void FileListBox::dropEvent(QDropEvent* event)
{
    const bool take = offerDrop(event);
    dragHasFiles_ = false;
    if (!take) {
        event->ignore();
        return;
    }
    event->accept();
    emit filesDropped(localFiles(event->mimeData()));
}

void FileListBox::keyPressEvent(QKeyEvent* event)
{
    emit keyDown(event->key());
    // Files copied in a file manager come as a drop of them would. Only the
    // list of files is read: reading a file manager's cut can end it.
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        emit filesPasted(localFiles(QGuiApplication::clipboard()->mimeData()));
        return;
    }
    // The list still handles the key as usual.
    QListWidget::keyPressEvent(event);
}

void FileListBox::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->position().toPoint());
    QListWidget::mouseMoveEvent(event);
}

bool FileListBox::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QListWidget::viewportEvent(event);
    // The tip belongs to the area of one entry: once the pointer rests on
    // another, the tip is replaced rather than left to vanish.
    const auto* help = static_cast<QHelpEvent*>(event);
    if (toolTip().isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), toolTip(), viewport(),
                           rowArea(rowNearest(help->pos())));
    return true;
}

} // namespace ordanex
