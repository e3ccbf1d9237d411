// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool_starter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace ordanex {

namespace {

// A file descriptor, closed with its owner.
struct Descriptor {
    int fd;
    explicit Descriptor(int owned) : fd(owned) {}
    Descriptor(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int release() { return std::exchange(fd, -1); }
};

// Where the tool's error output goes: a file without a name, which the tool
// fills without waiting for a reader, also after this program has ended.
int unnamedFile()
{
    const QByteArray folder = QFile::encodeName(QDir::tempPath());
    int fd = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0) { // a file system without unnamed files
        QByteArray name = folder + "/ordanex-XXXXXX";
        fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd >= 0)
            ::unlink(name.constData());
    }
    return fd;
}

// The end of what the tool wrote there.
std::string lastWords(int fd)
{
    struct stat file {};
    if (fd < 0 || ::fstat(fd, &file) != 0)
        return {};
    const off_t from = std::max<off_t>(0, file.st_size - kWordsRead);
    std::string words(static_cast<std::size_t>(file.st_size - from), '\0');
    const ssize_t read = ::pread(fd, words.data(), words.size(), from);
    words.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
    return wholeLines(std::move(words), from > 0);
}

// One started tool, until it ends and has been reaped.
class Watch final : public QObject {
public:
    Watch(int pidfd, int errors, ToolStarter::EndHandler ended, QObject* parent)
        : QObject(parent)
        , pidfd_(pidfd)
        , errors_(errors)
        , ended_(std::move(ended))
        , notifier_(pidfd, QSocketNotifier::Read)
    {
        connect(&notifier_, &QSocketNotifier::activated, this, &Watch::finish);
    }

private:
    void finish()
    {
        // Waiting on the pidfd can only ever reap this tool.
        siginfo_t info{};
        int result;
        do
            result = ::waitid(P_PIDFD, static_cast<id_t>(pidfd_.fd), &info, WEXITED | WNOHANG);
        while (result != 0 && errno == EINTR);
        if (result == 0 && info.si_pid == 0)
            return; // not ended yet
        notifier_.setEnabled(false);
        ToolEnd end;
        if (result != 0)
            end.status = -1; // reaped by another: its end is not known
        else if (info.si_code == CLD_EXITED)
            end.status = info.si_status;
        else
            end = {0, info.si_status, ::strsignal(info.si_status), {}, {}};
        end.words = lastWords(errors_.fd);
        deleteLater();
        ended_(end);
    }

    Descriptor pidfd_, errors_; // closed after the notifier that waits on one
    ToolStarter::EndHandler ended_;
    QSocketNotifier notifier_;
};

} // namespace

LocalToolStarter::LocalToolStarter()
{
    // Where whoever started this program ignores SIGCHLD, the system would
    // reap the tool unasked, and how it ended would be lost.
    struct sigaction child {};
    if (::sigaction(SIGCHLD, nullptr, &child) == 0 && child.sa_handler == SIG_IGN)
        std::signal(SIGCHLD, SIG_DFL);
}

bool LocalToolStarter::passesUnchanged(std::string_view) const
{
    return true; // the bytes are passed as they are
}

StartResult LocalToolStarter::start(const CommandLine& command, EndHandler ended)
{
    // Each piece is its own argument and no shell sees them, so a quote or
    // a blank inside a path stays part of that path.
    std::vector<char*> arguments;
    for (const std::string& piece : command.arguments)
        arguments.push_back(const_cast<char*>(piece.c_str()));
    arguments.push_back(nullptr);
    Descriptor errors(unnamedFile());
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (errors.fd >= 0)
        posix_spawn_file_actions_adddup2(&actions, errors.fd, STDERR_FILENO);
    // The three standard streams and nothing else: whatever this program
    // was handed by whoever started it is not the tool's.
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    // A session of its own, so that a hang-up or Ctrl+C meant for this
    // program's terminal does not end it, and signals as a new program has
    // them.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int error =
        ::posix_spawn(&pid, arguments.front(), &actions, &attributes, arguments.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        return {false, std::strerror(error)};
    const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    if (pidfd < 0) {
        // Unwatched, it would go unreported and unreaped: it does not run.
        const std::string why = std::strerror(errno);
        ::kill(-pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        //: Why the merge tool could not be started; %1 is the system's words.
        return {false,
                QCoreApplication::translate("ToolStarter", "this system cannot watch it (%1)")
                    .arg(QString::fromStdString(why))
                    .toStdString()};
    }
    new Watch(pidfd, errors.release(), std::move(ended), this);
    return {true, {}};
}

} // namespace ordanex
