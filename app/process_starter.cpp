#include "process_starter.h"

#include <QProcess>
#include <QStringList>

#ifdef Q_OS_WIN
#include "windows_start.h"
#endif

namespace ordanex {

StartResult DetachedStarter::start(const CommandLine& command)
{
    QProcess process;
    process.setProgram(QString::fromStdString(command.arguments.front()));
#ifdef Q_OS_WIN
    std::wstring text = QString::fromStdString(command.text).toStdWString();
    process.setCreateProcessArgumentsModifier(
        [text](QProcess::CreateProcessArguments* args) mutable {
            prepareToolStart(text, args->arguments, args->flags, *args->startupInfo);
        });
#else
    // Each piece is its own argument and no shell sees them, so a quote or
    // a blank inside a path stays part of that path.
    QStringList arguments;
    arguments.reserve(static_cast<qsizetype>(command.arguments.size()) - 1);
    for (auto it = command.arguments.begin() + 1; it != command.arguments.end(); ++it)
        arguments.append(QString::fromStdString(*it));
    process.setArguments(arguments);
#endif
    if (process.startDetached())
        return {true, {}};
#ifdef Q_OS_WIN
    // Qt's words on Windows do not say why; the system's last error does.
    return {false, qt_error_string().toStdString()};
#else
    return {false, process.errorString().toStdString()};
#endif
}

} // namespace ordanex
