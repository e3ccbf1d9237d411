// The merge tool's start on Windows, checked under wine.

#include "app/windows_start.h"

#include <gtest/gtest.h>

TEST(WindowsStart, ExactCommandInAShownConsoleOfItsOwn)
{
    std::wstring text = LR"("C:\Program Files\Ordanex\pdftk.exe" "C:\a b.pdf" output "C:\o.pdf")";
    const std::wstring expected = text;
    LPWSTR arguments = nullptr;
    DWORD flags = CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT; // as Qt asks for a GUI caller
    STARTUPINFOW startup{};
    ordanex::prepareToolStart(text, arguments, flags, startup);
    EXPECT_EQ(std::wstring(arguments), expected);
    EXPECT_EQ(flags, DWORD(CREATE_NEW_CONSOLE | CREATE_UNICODE_ENVIRONMENT));
    EXPECT_TRUE(startup.dwFlags & STARTF_USESHOWWINDOW);
    EXPECT_EQ(startup.wShowWindow, SW_SHOWNORMAL);
}
