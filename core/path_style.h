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

} // namespace ordanex
