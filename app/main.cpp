#include "app_directory.h"
#include "process_starter.h"
#include "ui/main_window.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// Without a display Qt would abort; say what is wrong and how to try anyway.
bool haveDisplay()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    std::fputs("Ordanex needs a desktop (X11 or Wayland), and none was found.\n"
               "To run it without one, start it under Xvfb: xvfb-run -a ordanex\n",
               stderr);
    return false;
}
#else
bool haveDisplay() { return true; }
#endif

} // namespace

int main(int argc, char* argv[])
{
    if (!haveDisplay())
        return EXIT_FAILURE;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(ordanex::kApplicationTitle));
    QApplication::setApplicationVersion(QStringLiteral(ORDANEX_VERSION_TEXT));
    QApplication::setDesktopFileName(QStringLiteral(ORDANEX_APP_ID));

    ordanex::DetachedStarter starter;
    ordanex::frmMain window(starter, ordanex::appDirectory);
    window.show();
    return QApplication::exec();
}
