// Random program folders, entries and destinations: the command is refused
// exactly when it must be, and otherwise starts with exactly these pieces.

#include "core/merge_command.h"
#include "tests/recorders.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

namespace {

using namespace ordanex;

// Paths below a folder that does not exist can never reach an existing
// file, so only their text decides whether two of them are the same file.
constexpr char kNowhere[] = "/nonexistent-ordanex-fuzz/";

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const PathStyle style = input.ConsumeBool() ? PathStyle::Windows : PathStyle::Unix;
    testing::RecordingStarter starter;
    starter.answer.started = input.ConsumeBool();
    starter.answer.reason = "No such file or directory";
    const std::string appDir = input.ConsumeRandomLengthString(64);

    std::vector<std::string> entries(input.ConsumeIntegralInRange(0, 8));
    for (std::string& entry : entries)
        entry = kNowhere + input.ConsumeRandomLengthString(64);
    std::string destination;
    switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0: break; // empty
    case 1: destination = kNowhere + input.ConsumeRandomLengthString(64); break;
    case 2:
        if (!entries.empty())
            destination = entries[input.ConsumeIntegralInRange<std::size_t>(0, entries.size() - 1)];
        break;
    }

    MemoryEntryList list;
    list.addAll(entries);
    testing::RecordingMessages messages;
    const MergeOutcome outcome = MergeCommand(starter, messages, style).run(appDir, list, destination);

    bool hasEquals = false;
    bool destinationIsInput = false;
    for (const std::string& entry : entries) {
        hasEquals = hasEquals || entry.find('=') != std::string::npos;
        destinationIsInput = destinationIsInput || entry == destination;
    }
    const std::string tool = appDir + std::string(toolSuffix(style));

    if (entries.empty()) {
        require(outcome == MergeOutcome::Nothing && messages.shown.empty());
    } else if (hasEquals) {
        require(outcome == MergeOutcome::Rejected);
        require(messages.shown == std::vector<std::string>{std::string(kEqualsSignMessage)});
    } else if (destinationIsInput) {
        require(outcome == MergeOutcome::Rejected);
        require(messages.shown == std::vector<std::string>{std::string(kDestinationIsInputMessage)});
    } else {
        require(starter.starts.size() == 1);
        std::vector<std::string> arguments{tool};
        arguments.insert(arguments.end(), entries.begin(), entries.end());
        arguments.push_back("output");
        arguments.push_back(destination);
        require(starter.starts[0].arguments == arguments);

        std::string text = '"' + tool + '"';
        for (const std::string& entry : entries)
            text += " \"" + entry + '"';
        text += " output \"" + destination + '"';
        require(starter.starts[0].text == text);

        if (starter.answer.started) {
            require(outcome == MergeOutcome::Started && messages.shown.empty());
        } else {
            require(outcome == MergeOutcome::StartFailed && messages.shown.size() == 1);
            require(messages.shown[0].find(tool) != std::string::npos);
            require(messages.shown[0].find(starter.answer.reason) != std::string::npos);
        }
        return 0;
    }
    require(starter.starts.empty());
    return 0;
}
