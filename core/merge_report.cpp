// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "merge_report.h"

#include <cstdint>
#include <cstdio>
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
    // The tool writes English, which reads left to right in any text.
    for (auto it = lines.size() > kWordsLines ? lines.end() - kWordsLines : lines.begin();
         it != lines.end(); ++it) {
        text += '\n';
        text += it->empty() ? std::string() : leftToRight(*it);
    }
    return text;
}

} // namespace

MergeReport reportMerge(const Translator& texts, std::string_view destination, int files,
                        const ToolEnd& end, const FileState& before, const FileState& after,
                        PathStyle style)
{
    // A success is a file: new, or changed.
    const bool succeeded = end.status == 0 && end.signal == 0;
    if (succeeded && after.exists() && after != before) {
        //: For screen readers. %1 is the name of the file made.
        return {false,
                fill(texts.translate("MergeReport", "Merged %n file(s) into %1.", nullptr, files),
                     {destination.substr(fileNameStart(destination, style))})};
    }
    // Windows' statuses from 0x80000000 on are the system's own codes, known
    // by their hexadecimal form.
    const auto code = static_cast<std::uint32_t>(end.status);
    char hex[11];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(code));
    const std::string status =
        style == PathStyle::Windows && code >= 0x80000000u ? hex : std::to_string(end.status);
    const std::string signal = std::to_string(end.signal);
    std::string report =
        succeeded
            ? fill(texts.translate("MergeReport",
                                   "The merge into \"%1\" failed: pdftk reported success, but left "
                                   "no new file there."),
                   {destination})
        : end.signal == 0 && end.statusName.empty()
            ? fill(texts.translate("MergeReport",
                                   "The merge into \"%1\" failed: pdftk ended with status %2."),
                   {destination, status})
        : end.signal == 0
            //: %3 is the system's words for the status.
            ? fill(
                  texts.translate("MergeReport",
                                  "The merge into \"%1\" failed: pdftk ended with status %2 (%3)."),
                  {destination, status, end.statusName})
            : end.signalName.empty()
                  ? fill(texts.translate(
                             "MergeReport",
                             "The merge into \"%1\" failed: pdftk was ended by signal %2."),
                         {destination, signal})
                  //: %3 is the system's name for the signal.
                  : fill(texts.translate(
                             "MergeReport",
                             "The merge into \"%1\" failed: pdftk was ended by signal %2 (%3)."),
                         {destination, signal, end.signalName});
    const std::string said = lastLines(end.words);
    if (!said.empty())
        //: What follows are pdftk's own last lines, as it wrote them.
        report += "\n\n" + texts.translate("MergeReport", "pdftk said:") + said;
    // The tool may leave the file of an earlier merge in place, which looks
    // just like a new result.
    report += "\n\n";
    if (!after.exists())
        report += texts.translate("MergeReport", "No file was made at the destination.");
    else if (before.exists() && after == before)
        report += texts.translate(
            "MergeReport",
            "The file at the destination is the one that was there before, unchanged: "
            "it is not the result of this merge.");
    else
        report += texts.translate("MergeReport", "The file at the destination may be incomplete.");
    return {true, report};
}

} // namespace ordanex
