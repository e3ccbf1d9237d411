// Stands in for pdftk.exe: writes the command line it was given, and whether
// it was shown normally in a console of its own, to its own path with ".txt"
// added, in UTF-16.

#include <windows.h>

#include <cstdio>
#include <string>

int main()
{
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    const bool shown = (startup.dwFlags & STARTF_USESHOWWINDOW) &&
                       startup.wShowWindow == SW_SHOWNORMAL && GetConsoleWindow();
    const std::wstring record = std::wstring(GetCommandLineW()) +
                                (shown ? L"\nshown in a console\n" : L"\nnot shown in a console\n");
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    FILE* out = _wfopen((std::wstring(self) + L".txt").c_str(), L"wb");
    const bool written = out && std::fwrite(record.data(), 2, record.size(), out) == record.size();
    return out && std::fclose(out) == 0 && written ? 0 : 1;
}
