// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool_starter.h"

#include <QString>
#include <QUtf8StringView>
#include <QWinEventNotifier>

#include <algorithm>
#include <utility>
#include <vector>
#include <windows.h>

namespace ordanex {

namespace {

// A handle, closed with its owner.
struct Handle {
    HANDLE handle;
    explicit Handle(HANDLE owned) : handle(owned) {}
    Handle(const Handle&) = delete;
    ~Handle()
    {
        if (valid())
            CloseHandle(handle);
    }
    bool valid() const { return handle && handle != INVALID_HANDLE_VALUE; }
    HANDLE release() { return std::exchange(handle, nullptr); }
};

// Where the tool's error output goes: a file in the temp folder that the
// system deletes once its last handle is closed, this program's once it
// has read it, or the tool's where the tool outlives this program. The
// tool writes any amount without waiting for a reader.
HANDLE errorFile()
{
    wchar_t folder[MAX_PATH + 1];
    wchar_t name[MAX_PATH + 1];
    if (!GetTempPathW(MAX_PATH + 1, folder) || !GetTempFileNameW(folder, L"odx", 0, name))
        return INVALID_HANDLE_VALUE;
    SECURITY_ATTRIBUTES inherited{sizeof(inherited), nullptr, TRUE};
    const HANDLE file = CreateFileW(
        name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        &inherited, OPEN_EXISTING, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        DeleteFileW(name);
    return file;
}

// The end of what the tool wrote there.
std::string lastWords(HANDLE file)
{
    LARGE_INTEGER size{};
    if (file == INVALID_HANDLE_VALUE || !GetFileSizeEx(file, &size))
        return {};
    const LONGLONG from = std::max<LONGLONG>(0, size.QuadPart - kWordsRead);
    std::string words(static_cast<std::size_t>(size.QuadPart - from), '\0');
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(from);
    at.OffsetHigh = static_cast<DWORD>(from >> 32);
    DWORD read = 0;
    if (!ReadFile(file, words.data(), static_cast<DWORD>(words.size()), &read, &at))
        read = 0;
    words = wholeLines(words.substr(0, read), from > 0);
    // A tool that does not write UTF-8 writes in the system's code page.
    if (!QUtf8StringView(words).isValidUtf8())
        words = QString::fromLocal8Bit(words).toStdString();
    return words;
}

// The system's words for one of its own statuses, such as 0xC0000135 for
// a DLL that is missing, on one line.
std::string statusName(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_FROM_SYSTEM |
            FORMAT_MESSAGE_IGNORE_INSERTS,
        GetModuleHandleW(L"ntdll.dll"), code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString words = QString::fromWCharArray(text, length).simplified();
    LocalFree(text);
    return words.toStdString();
}

// One started tool, until it ends.
class Watch final : public QObject {
public:
    Watch(HANDLE process, HANDLE errors, ToolStarter::EndHandler ended, QObject* parent)
        : QObject(parent)
        , process_(process)
        , errors_(errors)
        , ended_(std::move(ended))
        , notifier_(process)
    {
        connect(&notifier_, &QWinEventNotifier::activated, this, &Watch::finish);
    }

private:
    void finish()
    {
        notifier_.setEnabled(false);
        DWORD code = 0;
        ToolEnd end;
        end.status = GetExitCodeProcess(process_.handle, &code) ? static_cast<int>(code) : -1;
        end.words = lastWords(errors_.handle);
        if (code >= 0x80000000u)
            end.statusName = statusName(code);
        deleteLater();
        ended_(end);
    }

    Handle process_, errors_; // closed after the notifier that waits on one
    ToolStarter::EndHandler ended_;
    QWinEventNotifier notifier_;
};

} // namespace

LocalToolStarter::LocalToolStarter() = default;

bool LocalToolStarter::passesUnchanged(std::string_view piece) const
{
    // A program that reads its command line in the code page gets what
    // Windows makes of it: the "best fit" of each character the code page
    // lacks, such as "L" for "Ł" and '"' for a fullwidth quote.
    const UINT codePage = GetACP();
    if (codePage == CP_UTF8)
        return true;
    const std::wstring text =
        QString::fromUtf8(piece.data(), static_cast<qsizetype>(piece.size())).toStdWString();
    const int size = static_cast<int>(text.size());
    BOOL defaulted = FALSE;
    std::string narrow(text.size() * 2, '\0');
    narrow.resize(static_cast<std::size_t>(
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), size, narrow.data(),
                            static_cast<int>(narrow.size()), nullptr, &defaulted)));
    std::wstring back(text.size(), L'\0');
    back.resize(static_cast<std::size_t>(MultiByteToWideChar(
        codePage, 0, narrow.data(), static_cast<int>(narrow.size()), back.data(), size)));
    return !defaulted && back == text;
}

StartResult LocalToolStarter::start(const CommandLine& command, EndHandler ended)
{
    const std::wstring program = QString::fromStdString(command.arguments.front()).toStdWString();
    std::wstring text = QString::fromStdString(command.text).toStdWString();
    // A console of its own, shown normally with the focus, takes the tool's
    // input and output; its errors go to a file of ours, the one handle it
    // inherits.
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof(startup);
    startup.StartupInfo.dwFlags = STARTF_USESHOWWINDOW;
    startup.StartupInfo.wShowWindow = SW_SHOWNORMAL;
    Handle errors(errorFile());
    std::vector<char> attributes;
    DWORD flags = CREATE_NEW_CONSOLE | CREATE_UNICODE_ENVIRONMENT;
    if (errors.valid()) {
        SIZE_T size = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        attributes.resize(size);
        startup.lpAttributeList = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
        if (InitializeProcThreadAttributeList(startup.lpAttributeList, 1, 0, &size) &&
            UpdateProcThreadAttribute(startup.lpAttributeList, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST,
                                      &errors.handle, sizeof(errors.handle), nullptr, nullptr)) {
            startup.StartupInfo.dwFlags |= STARTF_USESTDHANDLES;
            startup.StartupInfo.hStdError = errors.handle;
            flags |= EXTENDED_STARTUPINFO_PRESENT;
        } else {
            startup.lpAttributeList = nullptr;
        }
    }
    const bool inherit = startup.lpAttributeList != nullptr;
    PROCESS_INFORMATION process{};
    // Windows programs parse their own command line: the tool gets the
    // exact string.
    const bool started = CreateProcessW(program.c_str(), text.data(), nullptr, nullptr, inherit,
                                        flags, nullptr, nullptr, &startup.StartupInfo, &process);
    const QString why = started ? QString() : qt_error_string();
    if (inherit)
        DeleteProcThreadAttributeList(startup.lpAttributeList);
    if (!started)
        return {false, why.toStdString()};
    CloseHandle(process.hThread);
    new Watch(process.hProcess, errors.release(), std::move(ended), this);
    return {true, {}};
}

} // namespace ordanex
