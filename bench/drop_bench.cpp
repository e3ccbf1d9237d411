// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times a drop of 32767 files onto the window's list, and a paste of them
// from the clipboard, until the list has been painted, on the real platform (run it under Xvfb).
// Prints the milliseconds of each run and their median.

#include "app/disk.h"
#include "ui/file_list_box.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct NoStart : ordanex::ToolStarter {
    bool passesUnchanged(std::string_view) const override { return true; }
    ordanex::StartResult start(const ordanex::CommandLine&, EndHandler) override
    {
        return {true, {}};
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QList<QUrl> urls;
    for (int i = 0; i < ordanex::EntryList::kMaxEntries; ++i)
        urls.append(
            QUrl::fromLocalFile(QStringLiteral("/home/user/scans/2026/page-%1.pdf").arg(i)));

    // A drop, then a paste of the same files from the clipboard, each into a
    // new window; each run's time is taken until the list has been painted.
    for (const bool paste : {false, true}) {
        std::vector<double> times;
        for (int run = 0; run < 10; ++run) {
            NoStart starter;
            const ordanex::LocalDisk disk;
            ordanex::frmMain window(starter, disk, [] { return std::string("/usr/bin"); });
            window.show();
            if (!QTest::qWaitForWindowExposed(&window))
                return 1;
            QWidget* viewport = window.lbFilelist->viewport();
            QMimeData data;
            data.setUrls(urls);
            auto* copied = new QMimeData;
            copied->setUrls(urls);
            QGuiApplication::clipboard()->setMimeData(copied);
            QDragEnterEvent enter({20, 20}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(viewport, &enter);

            QElapsedTimer timer;
            timer.start();
            QDropEvent drop({20, 20}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QKeyEvent key(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("v"));
            if (paste)
                QApplication::sendEvent(window.lbFilelist, &key);
            else
                QApplication::sendEvent(viewport, &drop);
            viewport->repaint();
            times.push_back(timer.nsecsElapsed() / 1e6);
            if (window.entries().count() != ordanex::EntryList::kMaxEntries)
                return 1;
            std::printf("%s of %d files to painted list: %.1f ms\n", paste ? "paste" : "drop",
                        ordanex::EntryList::kMaxEntries, times.back());
        }
        std::sort(times.begin(), times.end());
        std::printf("%s median: %.1f ms\n", paste ? "paste" : "drop", (times[4] + times[5]) / 2);
    }
    return 0;
}
