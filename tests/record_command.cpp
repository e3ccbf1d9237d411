// Stands in for pdftk.exe: writes the command line it was given, and whether
// it was shown normally in a console of its own, to its own path with ".txt"
// added, in UTF-16. Where its path with ".fail" added holds a delay in
// milliseconds, a status and a line, it first waits that long, and then
// writes the line as its error output and ends with the status.

#include <windows.h>

#include <cstdio>
#include <string>

int main()
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    int delay = 0, status = 0;
    wchar_t line[256] = L"";
    if (FILE* fail = _wfopen((std::wstring(self) + L".fail").c_str(), L"r")) {
        std::fwscanf(fail, L"%d %d %255[^\n]", &delay, &status, line);
        std::fclose(fail);
    }
    Sleep(static_cast<DWORD>(delay));
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    const bool shown = (startup.dwFlags & STARTF_USESHOWWINDOW) &&
                       startup.wShowWindow == SW_SHOWNORMAL && GetConsoleWindow();
    const std::wstring record = std::wstring(GetCommandLineW()) +
                                (shown ? L"\nshown in a console\n" : L"\nnot shown in a console\n");
    FILE* out = _wfopen((std::wstring(self) + L".txt").c_str(), L"wb");
    const bool written = out && std::fwrite(record.data(), 2, record.size(), out) == record.size();
    std::fwprintf(stderr, L"%ls\n", line);
    return out && std::fclose(out) == 0 && written ? status : 1;
}
