#include "app_directory.h"
#include "disk.h"
#include "process_starter.h"
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
    const auto shown = [](const char* name) {
        const char* value = std::getenv(name);
        return QStringLiteral("%1=%2").arg(
            QLatin1String(name), value ? QString::fromLocal8Bit(value) : QStringLiteral("(unset)"));
    };
    std::fprintf(stderr,
                 "Ordanex needs a desktop (X11 or Wayland), and none could be reached.\n"
                 "Tried with %s, %s, %s.\n"
                 "To run it without one, start it under Xvfb: xvfb-run -a ordanex\n",
                 qPrintable(shown("QT_QPA_PLATFORM")), qPrintable(shown("WAYLAND_DISPLAY")),
                 qPrintable(shown("DISPLAY")));
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

    // Outlives the window, whose merges it watches.
    ordanex::ToolStarter starter;
    const ordanex::LocalDisk disk;
    ordanex::frmMain window(starter, disk, ordanex::appDirectory);
    window.show();
    return QApplication::exec();
}
