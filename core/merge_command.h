// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "entry_list.h"
#include "merge_files.h"
#include "merge_report.h"
#include "path_style.h"
#include "texts.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ordanex {

// One start of the merge tool, in both of the forms a system may need.
struct CommandLine {
    // The single command string: every piece in double quotes but the word
    // output, nothing escaped. Handed over as it is where a system starts
    // programs from one string.
    std::string text;
    // The same pieces, each verbatim: the tool, the entries, "output", the
    // destination. Where a system takes separate arguments these are passed,
    // so that no quote inside a path can split it.
    std::vector<std::string> arguments;
};

struct StartResult {
    bool started = false;
    std::string reason; // the system's words when the start failed
};

// Starts a program without waiting for it, and tells how it ended.
class ToolStarter {
public:
    using EndHandler = std::function<void(const ToolEnd&)>;

    virtual ~ToolStarter() = default;
    // Whether the program gets `piece` of its command line exactly as it
    // is: a Windows program may read it in the system's code page, which
    // turns what it lacks into look-alikes.
    virtual bool passesUnchanged(std::string_view piece) const = 0;
    // Once a started program has ended, `ended` is called from the event
    // loop. A program still running when the starter goes runs on untold.
    virtual StartResult start(const CommandLine& command, EndHandler ended) = 0;
};

// Shows a message to the user, and returns once it has been dismissed.
class MessageDisplay {
public:
    virtual ~MessageDisplay() = default;
    virtual void showMessage(const std::string& text) = 0;
    // Asks whether a file may be replaced; true once the user says so.
    virtual bool askToReplace(const std::string& question) = 0;
};

// Learns of each merge that starts, and of how it ended.
class MergeListener {
public:
    virtual ~MergeListener() = default;
    virtual void mergeStarted() = 0;
    virtual void mergeEnded(const MergeReport& report) = 0;
};

enum class MergeOutcome {
    Nothing,  // the list was empty
    Rejected, // the input was refused with a message, or a question answered no; nothing started
    Started,
    StartFailed, // the tool could not be started; the user was told why
};

// Builds the merge tool's command line from the entries and the destination
// and starts it, unless the destination is not a full path of a file, or a
// name would not reach the tool unchanged, or the merge would work on a
// file that a running merge works on, or would replace a file that this
// window's merges did not make and the user keeps it.
// `files` keeps the files of each merge while it runs and those merges
// made, and the listener hears how it ended. Holds no state of its own
// between runs.
class MergeCommand {
public:
    MergeCommand(ToolStarter& starter, MessageDisplay& messages, const Translator& texts,
                 MergeListener& listener, MergeFiles& files, PathStyle style = kNativePathStyle);

    MergeOutcome run(std::string_view appDirectory, const EntryList& entries,
                     std::string_view destination);

private:
    ToolStarter& starter_;
    MessageDisplay& messages_;
    const Translator& texts_;
    MergeListener& listener_;
    MergeFiles& files_;
    PathStyle style_;
};

} // namespace ordanex
