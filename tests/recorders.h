#pragma once

// Stand-ins for the platform that only record what the merge job asked of it.

#include "core/merge_command.h"

#include <string>
#include <vector>

namespace ordanex::testing {

struct RecordingStarter : ProgramStarter {
    std::vector<CommandLine> starts;
    StartResult answer{true, {}};
    StartResult start(const CommandLine& command) override
    {
        starts.push_back(command);
        return answer;
    }
};

struct RecordingMessages : MessageDisplay {
    std::vector<std::string> shown;
    void showMessage(const std::string& text) override { shown.push_back(text); }
};

} // namespace ordanex::testing
