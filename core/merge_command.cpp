// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "merge_command.h"

#include <span>

namespace ordanex {

namespace {

void appendQuoted(std::string& text, std::string_view piece)
{
    text += '"';
    text += piece;
    text += '"';
}

} // namespace

MergeCommand::MergeCommand(ToolStarter& starter, MessageDisplay& messages, const Translator& texts,
                           MergeListener& listener, MergeFiles& files, PathStyle style)
    : starter_(starter)
    , messages_(messages)
    , texts_(texts)
    , listener_(listener)
    , files_(files)
    , style_(style)
{
}

MergeOutcome MergeCommand::run(std::string_view appDirectory, const EntryList& entries,
                               std::string_view destination)
{
    const int count = entries.count();
    if (count <= 0)
        return MergeOutcome::Nothing;

    std::string tool(appDirectory);
    tool += toolSuffix(style_);

    CommandLine command;
    command.arguments.reserve(static_cast<std::size_t>(count) + 3);
    command.arguments.push_back(tool);
    appendQuoted(command.text, tool);
    for (int i = 0; i < count; ++i) {
        std::string entry = entries.text(i);
        if (entry.find('=') != std::string::npos) {
            //: The design's own words, typos included. They mean: the name of
            //: a file to merge, or of its folder, must not hold "=".
            messages_.showMessage(texts_.translate(
                "MergeCommand",
                "Only ASCI Characters in Inputfilenames allowed! ('=' is not valid)"));
            return MergeOutcome::Rejected;
        }
        command.text += ' ';
        appendQuoted(command.text, entry);
        command.arguments.push_back(std::move(entry));
    }
    if (destination.empty()) {
        messages_.showMessage(texts_.translate(
            "MergeCommand", "The destination is empty. Type the whole path of the file to make, "
                            "with all its folders."));
        return MergeOutcome::Rejected;
    }
    // pdftk takes "-" and "PROMPT" for words of its own, and a relative
    // path for one in whatever folder this program was started from.
    if (!isFullPath(destination, style_)) {
        messages_.showMessage(
            fill(texts_.translate("MergeCommand", "The destination \"%1\" is not a full "
                                                  "path. Type the whole path of the file to "
                                                  "make, with all its folders."),
                 {destination}));
        return MergeOutcome::Rejected;
    }
    const auto isFolder = [&] {
        messages_.showMessage(
            fill(texts_.translate("MergeCommand",
                                  "The destination \"%1\" is a folder. Type the whole path of "
                                  "a file in it, with the file's name at the end."),
                 {destination}));
        return MergeOutcome::Rejected;
    };
    if (namesFolder(destination, style_))
        return isFolder();
    command.text += " output ";
    appendQuoted(command.text, destination);
    command.arguments.emplace_back("output");
    command.arguments.emplace_back(destination);

    // Where the tool would read another name than the one shown, it would
    // open another file, or write one that the checks below never saw.
    for (const std::string& piece : command.arguments) {
        if (starter_.passesUnchanged(piece))
            continue;
        messages_.showMessage(
            fill(&piece == &command.arguments.back()
                     ? texts_.translate("MergeCommand",
                                        "pdftk on Windows cannot write to \"%1\": some of its "
                                        "characters are not in this system's code page. Choose a "
                                        "destination with a plain name.")
                     : texts_.translate("MergeCommand",
                                        "pdftk on Windows cannot read the name \"%1\": some of its "
                                        "characters are not in this system's code page. Rename the "
                                        "file or its folder, or copy it under a plain name."),
                 {piece}));
        return MergeOutcome::Rejected;
    }

    // An input spelled otherwise would be overwritten while it is read, and
    // two merges spoil one file. What is there now tells, should the tool
    // fail, whether the file left is an earlier one.
    MergeUse use = files_.lookAtMerge(
        std::span(command.arguments.begin() + 1, command.arguments.end() - 2), destination);
    if (use.destination.state.kind == FileState::Folder)
        return isFolder();
    if (use.destination.state.kind == FileState::Other) {
        messages_.showMessage(
            fill(texts_.translate("MergeCommand", "The destination \"%1\" is not a file but a "
                                                  "device, a pipe or a socket. Choose another "
                                                  "destination."),
                 {destination}));
        return MergeOutcome::Rejected;
    }
    const Clash clash = files_.clash(use);
    if (clash.kind == Clash::DestinationIsInput) {
        messages_.showMessage(texts_.translate(
            "MergeCommand",
            "The destination is one of the files to merge. Choose another destination."));
        return MergeOutcome::Rejected;
    }
    if (clash.kind == Clash::InUse) {
        messages_.showMessage(
            fill(texts_.translate("MergeCommand", "A merge is still working on \"%1\". "
                                                  "Merge again once it has ended."),
                 {clash.file}));
        return MergeOutcome::Rejected;
    }

    // A file that no merge of this window made may be another's work: the
    // user says whether it goes.
    if (use.destination.state.exists() && !files_.madeHere(use.destination.state)) {
        if (!messages_.askToReplace(
                fill(texts_.translate("MergeCommand",
                                      "There is already a file at \"%1\". Replace it with this "
                                      "merge? The file there now cannot be brought back."),
                     {destination})))
            return MergeOutcome::Rejected;
        use.destination.state = files_.look(destination); // as it is after the question
    }

    const FileState before = use.destination.state;
    const MergeFiles::Token token = files_.started(std::move(use));
    auto ended = [&listener = listener_, &files = files_, &texts = texts_, token,
                  destination = std::string(destination), count, before,
                  style = style_](const ToolEnd& end) {
        const FileState after = files.look(destination);
        const MergeReport report =
            reportMerge(texts, destination, count, end, before, after, style);
        files.ended(token, report.failed ? nullptr : &after);
        listener.mergeEnded(report);
    };
    const StartResult result = starter_.start(command, std::move(ended));
    if (result.started) {
        listener_.mergeStarted();
        return MergeOutcome::Started;
    }
    files_.ended(token);
    //: %2 is the system's own words for why.
    messages_.showMessage(
        fill(texts_.translate("MergeCommand", "The merge tool \"%1\" could not be started: %2"),
             {tool, result.reason}));
    return MergeOutcome::StartFailed;
}

} // namespace ordanex
