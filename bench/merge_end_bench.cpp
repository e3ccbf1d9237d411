// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times how soon the window shows its box once the merge tool has failed.
// The tool beside it is a script that writes the time it ends as its last
// words, which the box shows. Prints the milliseconds of each run and their
// median. Run it under Xvfb (scripts/bench-window.sh does).

#include "app/disk.h"
#include "app/tool_starter.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

// Takes the time of each box as it shows, and closes it.
struct BoxTimes : QObject {
    std::vector<double> times;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            // pdftk's line, set apart to read left to right.
            QString said = box->text().section(QStringLiteral("\n\n"), 1, 1).section('\n', 1);
            said.remove(QChar(0x2066)).remove(QChar(0x2069));
            const auto ended = std::chrono::nanoseconds(said.toLongLong());
            times.push_back(std::chrono::duration<double, std::milli>(now - ended).count());
            QTimer::singleShot(0, box, &QMessageBox::accept);
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QFile tool(folder.filePath(QStringLiteral("pdftk")));
    if (!tool.open(QIODevice::WriteOnly) || tool.write("#!/bin/sh\ndate +%s%N >&2\nexit 1\n") < 0)
        return 1;
    tool.close();
    tool.setPermissions(tool.permissions() | QFileDevice::ExeOwner);

    ordanex::LocalToolStarter starter;
    const ordanex::LocalDisk disk;
    ordanex::frmMain window(starter, disk, [&folder] { return folder.path().toStdString(); });
    window.entries().add("/nonexistent/in.pdf");
    window.dfDestination->setText(folder.filePath(QStringLiteral("out.pdf")));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    BoxTimes boxes;
    app.installEventFilter(&boxes);
    constexpr std::size_t kRuns = 21;
    for (std::size_t run = 0; run < kRuns; ++run) {
        window.dfMerge->click();
        if (!QTest::qWaitFor([&] { return boxes.times.size() > run; }, 10000))
            return 1;
        QTest::qWait(50); // the box closes
        std::printf("tool's end to box shown: %.2f ms\n", boxes.times.back());
    }
    std::sort(boxes.times.begin(), boxes.times.end());
    std::printf("tool's end to box shown, median of %zu: %.2f ms\n", kRuns, boxes.times[kRuns / 2]);
    return 0;
}
