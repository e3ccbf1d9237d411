// Stands in for pdftk.exe: writes the command line it was given, whether its
// window was asked to show normally, and whether it has a console, to its own
// path with ".txt" added, in UTF-8.

#include <windows.h>

#include <cstdio>
#include <string>

int main()
{
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    const bool normal = (startup.dwFlags & STARTF_USESHOWWINDOW) && startup.wShowWindow == SW_SHOWNORMAL;
    std::wstring record = GetCommandLineW();
    record += normal ? L"\nshown normally" : L"\nnot shown normally";
    record += GetConsoleWindow() ? L", in a console\n" : L", without a console\n";
    std::string utf8(WideCharToMultiByte(CP_UTF8, 0, record.c_str(), -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, record.c_str(), -1, utf8.data(), int(utf8.size()), nullptr, nullptr);
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    FILE* out = _wfopen((std::wstring(self) + L".txt").c_str(), L"wb");
    return out && std::fputs(utf8.c_str(), out) >= 0 && std::fclose(out) == 0 ? 0 : 1;
}
