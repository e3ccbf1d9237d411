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

MergeCommand::MergeCommand(ProgramStarter& starter, MessageDisplay& messages,
                           MergeListener& listener, MergeFiles& files, PathStyle style)
    : starter_(starter), messages_(messages), listener_(listener), files_(files), style_(style)
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
            messages_.showMessage(std::string(kEqualsSignMessage));
            return MergeOutcome::Rejected;
        }
        command.text += ' ';
        appendQuoted(command.text, entry);
        command.arguments.push_back(std::move(entry));
    }
    // pdftk takes "-" and "PROMPT" for words of its own, and a relative
    // path for one in whatever folder this program was started from.
    if (!isFullPath(destination, style_)) {
        messages_.showMessage("The destination \"" + std::string(destination) +
                              "\" is not a full path. Type the whole path of the file to make, "
                              "with all its folders.");
        return MergeOutcome::Rejected;
    }
    command.text += " output ";
    appendQuoted(command.text, destination);
    command.arguments.emplace_back("output");
    command.arguments.emplace_back(destination);

    // The tool refuses an output that equals an input as text, but another
    // spelling of the same file would be overwritten while it is being read;
    // and two merges must not work on one file at once. What is at the
    // destination now also tells, once the tool has failed, whether the file
    // there is an earlier one.
    MergeUse use = files_.look(
        std::span(command.arguments.begin() + 1, command.arguments.end() - 2), destination);
    const Clash clash = files_.clash(use);
    if (clash.kind == Clash::DestinationIsInput) {
        messages_.showMessage(std::string(kDestinationIsInputMessage));
        return MergeOutcome::Rejected;
    }
    if (clash.kind == Clash::InUse) {
        messages_.showMessage("A merge is still working on \"" + clash.file +
                              "\". Merge again once it has ended.");
        return MergeOutcome::Rejected;
    }

    // A file that no merge of this window made may be another's work: the
    // user says whether it goes.
    if (use.destinationState.exists && !files_.madeHere(use.destinationState)) {
        if (!messages_.askToReplace("There is already a file at \"" + std::string(destination) +
                                    "\". Replace it with this merge? The file there now cannot "
                                    "be brought back."))
            return MergeOutcome::Rejected;
        use.destinationState = files_.look(destination); // as it is after the question
    }

    const FileState before = use.destinationState;
    const MergeFiles::Token token = files_.started(std::move(use));
    auto ended = [&listener = listener_, &files = files_, token,
                  destination = std::string(destination), count, before,
                  style = style_](const ToolEnd& end) {
        const FileState after = files.look(destination);
        const MergeReport report = reportMerge(destination, count, end, before, after, style);
        files.ended(token, report.failed ? nullptr : &after);
        listener.mergeEnded(report);
    };
    const StartResult result = starter_.start(command, std::move(ended));
    if (result.started) {
        listener_.mergeStarted();
        return MergeOutcome::Started;
    }
    files_.ended(token);
    messages_.showMessage("The merge tool \"" + tool + "\" could not be started: " + result.reason);
    return MergeOutcome::StartFailed;
}

} // namespace ordanex
