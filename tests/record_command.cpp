// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Stands in for pdftk.exe: writes the command line it was given, as Windows
// hands it on and as a program that reads it in the system's code page
// (pdftk among them) gets it, whether it was shown normally in a console of
// its own, and where its standard streams go, to its own path with ".txt"
// added, in UTF-16. Where its path with
// ".fail" added holds a delay in milliseconds, a status and a line, it first
// waits that long, and then writes a long line and that line as its error
// output and ends with the status. Where it ends with 0 it writes a file at
// its last argument, the destination, as pdftk would.

#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

int main()
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    int delay = 0, status = 0;
    wchar_t line[256] = L"";
    if (FILE* fail = _wfopen((std::wstring(self) + L".fail").c_str(), L"r")) {
        std::fwscanf(fail, L"%d %d %255l[^\n]", &delay, &status, line);
        std::fclose(fail);
    }
    Sleep(static_cast<DWORD>(delay));
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    const bool shown = (startup.dwFlags & STARTF_USESHOWWINDOW) &&
                       startup.wShowWindow == SW_SHOWNORMAL && GetConsoleWindow();
    const char* narrow = GetCommandLineA();
    std::wstring ansi(std::strlen(narrow) + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, narrow, -1, ansi.data(), static_cast<int>(ansi.size()));
    std::wstring record = std::wstring(GetCommandLineW()) + L"\nin the code page: " + ansi.c_str() +
                          (shown ? L"\nshown in a console;" : L"\nnot shown in a console;");
    for (const auto& [stream, name] : {std::pair(STD_INPUT_HANDLE, L" input to "),
                                       {STD_OUTPUT_HANDLE, L", output to "},
                                       {STD_ERROR_HANDLE, L", errors to "}}) {
        const HANDLE handle = GetStdHandle(stream);
        DWORD mode = 0;
        record += name;
        record += GetConsoleMode(handle, &mode)           ? L"the console"
                  : GetFileType(handle) == FILE_TYPE_DISK ? L"a file"
                                                          : L"nothing";
    }
    record += L"\n";
    FILE* out = _wfopen((std::wstring(self) + L".txt").c_str(), L"wb");
    const bool written = out && std::fwrite(record.data(), 2, record.size(), out) == record.size();
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (status == 0 && count > 0) {
        FILE* made = _wfopen(arguments[count - 1], L"wb");
        if (!made || std::fputs("%PDF-1.4\n%%EOF\n", made) < 0 || std::fclose(made) != 0)
            status = 1;
    }
    LocalFree(arguments);
    if (status != 0)
        std::fwprintf(stderr, L"%ls\n", std::wstring(5000, L'x').c_str());
    std::fwprintf(stderr, L"%ls\n", line);
    return out && std::fclose(out) == 0 && written ? status : 1;
}
