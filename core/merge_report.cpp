#include "merge_report.h"

#include <vector>

namespace ordanex {

namespace {

// The tool's last lines say why it failed; what it wrote before them is
// progress or repetition.
constexpr std::size_t kWordsLines = 8;

std::string lastLines(std::string_view words)
{
    std::vector<std::string_view> lines;
    while (!words.empty()) {
        const auto end = words.find('\n');
        std::string_view line = words.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        words.remove_prefix(end == std::string_view::npos ? words.size() : end + 1);
    }
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string_view::npos)
        lines.pop_back();
    std::string text;
    for (auto it = lines.size() > kWordsLines ? lines.end() - kWordsLines : lines.begin();
         it != lines.end(); ++it) {
        text += '\n';
        text += *it;
    }
    return text;
}

} // namespace

MergeReport reportMerge(std::string_view destination, int files, const ToolEnd& end,
                        const FileState& before, const FileState& after, PathStyle style)
{
    // A success is a file: new, or changed.
    const bool succeeded = end.status == 0 && end.signal == 0;
    if (succeeded && after.exists && after != before) {
        const std::string_view name = destination.substr(fileNameStart(destination, style));
        return {false, "Merged " + std::to_string(files) + (files == 1 ? " file" : " files") +
                           " into " + std::string(name) + "."};
    }
    std::string text = "The merge into \"" + std::string(destination) + "\" failed: ";
    if (succeeded) {
        text += "pdftk reported success, but left no new file there";
    } else if (end.signal != 0) {
        text += "pdftk was ended by signal " + std::to_string(end.signal);
        if (!end.signalName.empty())
            text += " (" + end.signalName + ")";
    } else {
        text += "pdftk ended with status " + std::to_string(end.status);
    }
    text += '.';
    const std::string said = lastLines(end.words);
    if (!said.empty())
        text += "\n\npdftk said:" + said;
    // The tool may leave the file of an earlier merge in place, which looks
    // just like a new result.
    if (!after.exists)
        text += "\n\nNo file was made at the destination.";
    else if (before.exists && after == before)
        text += "\n\nThe file at the destination is the one that was there before, unchanged: "
                "it is not the result of this merge.";
    else
        text += "\n\nThe file at the destination may be incomplete.";
    return {true, text};
}

} // namespace ordanex
