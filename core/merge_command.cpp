#include "merge_command.h"

#include <filesystem>
#include <span>
#include <system_error>

namespace ordanex {

namespace {

void appendQuoted(std::string& text, std::string_view piece)
{
    text += '"';
    text += piece;
    text += '"';
}

// True when `destination` names the same file as one of `inputs`: the same
// text, or, where it `exists`, another spelling (a link, "./", ".."). One that
// does not exist yet can only match by its text, which spares a look at every
// input in the usual case.
bool namesAnInput(std::string_view destination, bool exists, std::span<const std::string> inputs)
{
    std::error_code error;
    const std::filesystem::path target = toPath(destination);
    for (const std::string& input : inputs) {
        if (input == destination)
            return true;
        if (exists && std::filesystem::equivalent(target, toPath(input), error) && !error)
            return true;
    }
    return false;
}

} // namespace

MergeCommand::MergeCommand(ProgramStarter& starter, MessageDisplay& messages,
                           MergeListener& listener, PathStyle style)
    : starter_(starter), messages_(messages), listener_(listener), style_(style)
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
    command.text += " output ";
    appendQuoted(command.text, destination);
    command.arguments.emplace_back("output");
    command.arguments.emplace_back(destination);

    // The tool refuses an output that equals an input as text, but another
    // spelling of the same file would be overwritten while it is being read.
    // What is at the destination now also tells, once the tool has failed,
    // whether the file there is an earlier one.
    const FileState before = fileState(destination);
    const std::span inputs(command.arguments.begin() + 1, command.arguments.end() - 2);
    if (namesAnInput(destination, before.exists, inputs)) {
        messages_.showMessage(std::string(kDestinationIsInputMessage));
        return MergeOutcome::Rejected;
    }

    auto ended = [&listener = listener_, destination = std::string(destination), count, before,
                  style = style_](const ToolEnd& end) {
        listener.mergeEnded(
            reportMerge(destination, count, end, before, fileState(destination), style));
    };
    const StartResult result = starter_.start(command, std::move(ended));
    if (result.started) {
        listener_.mergeStarted();
        return MergeOutcome::Started;
    }
    messages_.showMessage("The merge tool \"" + tool + "\" could not be started: " + result.reason);
    return MergeOutcome::StartFailed;
}

} // namespace ordanex
