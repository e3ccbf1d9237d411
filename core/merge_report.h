// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "merge_files.h"
#include "path_style.h"
#include "texts.h"

#include <string>
#include <string_view>

namespace ordanex {

// How a started tool ended.
struct ToolEnd {
    int status = 0;         // its exit status
    int signal = 0;         // the signal that ended it, or 0 where it exited
    std::string signalName; // the system's words for that signal
    std::string words;      // the end of its error output as it wrote it, where that was kept
    std::string statusName; // the system's words for the status, where it is one of its own
};

// What the user learns of a merge that has ended: for one that failed, the
// message to show; for one that worked, words for screen readers.
struct MergeReport {
    bool failed = false;
    std::string text;
};

// The report on a merge of `files` files into `destination`, from how the
// tool ended and what was at the destination before and after it ran: it
// worked where the tool says so and made a new or changed file there.
MergeReport reportMerge(const Translator& texts, std::string_view destination, int files,
                        const ToolEnd& end, const FileState& before, const FileState& after,
                        PathStyle style = kNativePathStyle);

} // namespace ordanex
