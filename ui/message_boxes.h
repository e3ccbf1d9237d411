// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/merge_command.h"

#include <QMessageBox>
#include <QStringList>

namespace ordanex {

// The caption of the window and of its boxes.
inline constexpr char kApplicationTitle[] = "Ordanex";

// The program's boxes, over its window, one at a time: a box that comes
// while another is open waits for it. Each has the caption "Ordanex", no
// icon and plain text, which can be selected and copied (Ctrl+C copies all
// of it); each tells, with only OK, but the question whether to replace a
// file, whose default is Cancel. A key held while a box opens does not
// answer it (HeldKeys).
class MessageBoxes final : public QObject, public MessageDisplay {
    Q_OBJECT

public:
    explicit MessageBoxes(QWidget* window);

    void showMessage(const std::string& text) override;
    // The same, once the event loop is reached: the source of a drop waits
    // until the drop has returned.
    void showLater(const QString& text);
    bool askToReplace(const std::string& question) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showWaiting();
    void setUp(QMessageBox& box, QMessageBox::StandardButton defaultButton);

    QWidget* window_;
    QStringList waiting_;
    bool open_ = false;
};

} // namespace ordanex
