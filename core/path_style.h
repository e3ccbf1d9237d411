// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ordanex {

// The path conventions of the system the merge tool runs on.
enum class PathStyle {
    Unix,    // "/" separates folders; the tool is "pdftk"
    Windows, // "\" or "/" separate folders; the tool is "pdftk.exe"
};

#ifdef _WIN32
inline constexpr PathStyle kNativePathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle kNativePathStyle = PathStyle::Unix;
#endif

// The separator and tool name appended to the program's folder.
constexpr std::string_view toolSuffix(PathStyle style)
{
    return style == PathStyle::Windows ? "\\pdftk.exe" : "/pdftk";
}

// The separators that end a folder name in a path.
constexpr std::string_view folderSeparators(PathStyle style)
{
    return style == PathStyle::Windows ? "\\/" : "/";
}

// Where the file name starts in `path`: after its last folder separator.
constexpr std::size_t fileNameStart(std::string_view path, PathStyle style)
{
    const auto separator = path.find_last_of(folderSeparators(style));
    return separator == std::string_view::npos ? 0 : separator + 1;
}

// Whether `path` names a folder by its text alone: it ends with a folder
// separator, or in "." or "..".
constexpr bool namesFolder(std::string_view path, PathStyle style)
{
    const std::string_view name = path.substr(fileNameStart(path, style));
    return name.empty() || name == "." || name == "..";
}

// Whether `path` is a full path, naming its folders from the top: "/..." on
// Unix; on Windows, from a drive's root ("C:\...") or a network share
// ("\\server\...").
constexpr bool isFullPath(std::string_view path, PathStyle style)
{
    const auto separatorAt = [&](std::size_t i) {
        return i < path.size() && folderSeparators(style).find(path[i]) != std::string_view::npos;
    };
    if (style == PathStyle::Unix)
        return separatorAt(0);
    const bool letter = !path.empty() && (path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z';
    return (letter && path.size() > 1 && path[1] == ':' && separatorAt(2)) ||
           (separatorAt(0) && separatorAt(1) && path.size() > 2 && !separatorAt(2));
}

} // namespace ordanex
