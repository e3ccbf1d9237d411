// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_directory.h"
#include "disk.h"
#include "tool_starter.h"
#include "translations.h"
#include "ui/main_window.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt aborts when no platform plugin can reach a display. Say instead what
// is wrong, what was tried and how to run anyway, and end with status 1.
void noDesktop(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        qtHandler(type, context, message);
        return;
    }
    // No application exists yet to hold the translations.
    const ordanex::Translations texts(QLocale::system());
    const auto shown = [&texts](const char* name) {
        const char* value = std::getenv(name);
        //: Where a setting has no value.
        return QStringLiteral("%1=%2").arg(QLatin1String(name),
                                           value ? QString::fromLocal8Bit(value)
                                                 : texts.translate("main", "(unset)"));
    };
    //: Printed where Ordanex is started with no desktop. %1, %2 and %3 are
    //: the settings it went by, as NAME=value.
    const QString said = texts.translate("main", "Ordanex needs a desktop (X11 or Wayland), and "
                                                 "none could be reached.\nTried with %1, %2, %3.\n"
                                                 "To run it without one, start it under Xvfb: "
                                                 "xvfb-run -a ordanex\n");
    std::fputs(
        qPrintable(said.arg(shown("QT_QPA_PLATFORM"), shown("WAYLAND_DISPLAY"), shown("DISPLAY"))),
        stderr);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char* argv[])
{
    qtHandler = qInstallMessageHandler(noDesktop);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    QApplication::setApplicationName(QString::fromLatin1(ordanex::kApplicationTitle));
    QApplication::setApplicationVersion(QStringLiteral(ORDANEX_VERSION_TEXT));
    QApplication::setDesktopFileName(QStringLiteral(ORDANEX_APP_ID));
    ordanex::Translations translations(QLocale::system());
    translations.install();

    // Outlives the window, whose merges it watches.
    ordanex::LocalToolStarter starter;
    const ordanex::LocalDisk disk;
    ordanex::frmMain window(starter, disk, ordanex::appDirectory);
    window.show();
    return QApplication::exec();
}
