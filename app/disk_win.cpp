// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "disk.h"

#include <cstring>
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

FileState::Kind kindOf(DWORD attributes)
{
    return attributes & FILE_ATTRIBUTE_DIRECTORY ? FileState::Folder : FileState::File;
}

} // namespace

FileState LocalDisk::look(std::string_view path) const
{
    // The device namespace ("\\.\COM1", "\\.\PhysicalDrive0") holds no files.
    const auto separator = [](char c) {
        return folderSeparators(PathStyle::Windows).find(c) != std::string_view::npos;
    };
    if (path.size() > 3 && separator(path[0]) && separator(path[1]) && path[2] == '.' &&
        separator(path[3]))
        return {FileState::Other, {}, 0, 0};
    // Opened for no access at all, and shared every way, so that a file
    // another program holds open is still seen; a folder needs the flag.
    const std::wstring name = wide(path);
    const HANDLE file =
        CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD attributes = GetFileAttributesW(name.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return {};
        return {kindOf(attributes), {}, 0, 0};
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool disk = GetFileType(file) == FILE_TYPE_DISK;
    const bool known = disk && GetFileInformationByHandle(file, &info);
    // ReFS numbers its files in 128 bits, of which the 64 above are not
    // unique.
    FILE_ID_INFO id{};
    const bool wideId = known && GetFileInformationByHandleEx(file, FileIdInfo, &id, sizeof id);
    CloseHandle(file);
    if (!disk)
        return {FileState::Other, {}, 0, 0};
    if (!known)
        return {FileState::File, {}, 0, 0};
    std::uint64_t high = 0, low = joined(info.nFileIndexHigh, info.nFileIndexLow),
                  device = info.dwVolumeSerialNumber;
    if (wideId) {
        static_assert(sizeof id.FileId.Identifier == 16);
        std::memcpy(&low, id.FileId.Identifier, 8);
        std::memcpy(&high, id.FileId.Identifier + 8, 8);
        device = id.VolumeSerialNumber;
    }
    return {kindOf(info.dwFileAttributes),
            {device, high, low},
            joined(info.nFileSizeHigh, info.nFileSizeLow),
            static_cast<std::int64_t>(
                joined(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime))};
}

bool LocalDisk::sameName(std::string_view a, std::string_view b) const
{
    // Windows drops the dots and blanks that end a name, and NTFS compares
    // names without regard to case.
    const auto kept = [](std::string_view name) {
        return name.substr(0, name.find_last_not_of(". ") + 1);
    };
    const std::wstring one = wide(kept(a)), other = wide(kept(b));
    return CompareStringOrdinal(one.data(), static_cast<int>(one.size()), other.data(),
                                static_cast<int>(other.size()), TRUE) == CSTR_EQUAL;
}

} // namespace ordanex
