#pragma once

// What the merge tool's start needs on Windows beyond Qt's defaults.

#include <windows.h>

#include <string>

namespace ordanex {

// Adjusts CreateProcess's arguments for the tool. `commandText` must
// outlive the start, since the system may write into it.
inline void prepareToolStart(std::wstring& commandText, LPWSTR& arguments, DWORD& flags,
                             STARTUPINFOW& startup)
{
    // Windows programs parse their own command line: hand over the exact string.
    arguments = commandText.data();
    // Qt starts a console program with no window when the caller has no
    // console, as a GUI program never has: give the tool a console of its
    // own, shown normally and with the focus.
    flags = (flags & ~DWORD(CREATE_NO_WINDOW)) | CREATE_NEW_CONSOLE;
    startup.dwFlags |= STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
}

} // namespace ordanex
