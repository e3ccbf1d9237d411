// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "message_boxes.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>

#include <utility>

namespace ordanex {

MessageBoxes::MessageBoxes(QWidget* window) : window_(window) {}

void MessageBoxes::showMessage(const std::string& text)
{
    waiting_.append(QString::fromStdString(text));
    showWaiting();
}

void MessageBoxes::showLater(const QString& text)
{
    waiting_.append(text);
    QMetaObject::invokeMethod(this, &MessageBoxes::showWaiting, Qt::QueuedConnection);
}

void MessageBoxes::showWaiting()
{
    if (open_)
        return;
    open_ = true;
    while (!waiting_.isEmpty()) {
        QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle),
                        waiting_.takeFirst(), QMessageBox::Ok, window_);
        setUp(box, QMessageBox::Ok);
        box.exec();
    }
    open_ = false;
}

bool MessageBoxes::askToReplace(const std::string& question)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle),
                    QString::fromStdString(question), QMessageBox::Cancel, window_);
    //: The button that replaces the file at the destination with the merge.
    const QPushButton* replace = box.addButton(tr("&Replace"), QMessageBox::AcceptRole);
    setUp(box, QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    const bool open = std::exchange(open_, true);
    box.exec();
    open_ = open;
    if (!open_ && !waiting_.isEmpty())
        QMetaObject::invokeMethod(this, &MessageBoxes::showWaiting, Qt::QueuedConnection);
    return box.clickedButton() == replace;
}

void MessageBoxes::setUp(QMessageBox& box, QMessageBox::StandardButton defaultButton)
{
    // A path is never read as markup. Without a default button, the
    // selectable text could hold the focus, and Enter would do nothing.
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.setDefaultButton(defaultButton);
    // Right to left, Qt draws a button's caption over its icon, at its edge.
    if (box.layoutDirection() == Qt::RightToLeft) {
        for (QAbstractButton* button : box.buttons())
            button->setIcon({});
    }
#ifndef Q_OS_WIN
    box.installEventFilter(this); // Qt copies a box's words itself on Windows
#endif
}

bool MessageBoxes::eventFilter(QObject* watched, QEvent* event)
{
    // Ctrl+C that no control of the box has taken copies all its words.
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(box->text());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ordanex
