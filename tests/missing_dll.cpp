// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A program that needs a DLL of its own, built both ways from this file: a
// pdftk.exe copied without its DLLs is started, and Windows ends it at once.

#ifdef ORDANEX_TEST_DLL
extern "C" __declspec(dllexport) int neededPart()
{
    return 0;
}
#else
extern "C" __declspec(dllimport) int neededPart();

int main()
{
    return neededPart();
}
#endif
