// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up: a plain Qt window with the same controls at
// the same places, and nothing else.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(564, 353);
    (new QListWidget(&window))->setGeometry(8, 32, 497, 238);
    (new QLabel(QStringLiteral("List of PDF Files to Merge (Drop Files here)"), &window))
        ->setGeometry(8, 8, 225, 25);
    (new QLineEdit(&window))->setGeometry(80, 280, 457, 25);
    (new QLabel(QStringLiteral("Destination:"), &window))->setGeometry(8, 280, 65, 25);
    (new QPushButton(QStringLiteral("&Merge"), &window))->setGeometry(456, 312, 81, 33);
    (new QPushButton(QStringLiteral("&Up"), &window))->setGeometry(512, 32, 41, 33);
    (new QPushButton(QStringLiteral("&Down"), &window))->setGeometry(512, 88, 41, 33);
    window.show();
    return QApplication::exec();
}
