// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "disk.h"

#include <string>
#include <windows.h>

namespace ordanex {

namespace {

std::wstring wide(std::string_view utf8)
{
    std::wstring text(utf8.size(), L'\0');
    text.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                            static_cast<int>(text.size()))));
    return text;
}

std::uint64_t joined(DWORD high, DWORD low)
{
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

} // namespace

FileState LocalDisk::look(std::string_view path) const
{
    // Opened for no access at all, and shared every way, so that a file
    // another program holds open is still seen; a folder needs the flag.
    const std::wstring name = wide(path);
    const HANDLE file =
        CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES, {}, 0, 0};
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    if (!known)
        return {true, {}, 0, 0};
    return {true,
            {info.dwVolumeSerialNumber, joined(info.nFileIndexHigh, info.nFileIndexLow)},
            joined(info.nFileSizeHigh, info.nFileSizeLow),
            static_cast<std::int64_t>(
                joined(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime))};
}

} // namespace ordanex
