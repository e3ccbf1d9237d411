#pragma once

#include "core/merge_command.h"

namespace ordanex {

// Starts the merge tool detached from this program: it is not waited for,
// leaves no zombie, and inherits the working folder and environment.
class DetachedStarter final : public ProgramStarter {
public:
    StartResult start(const CommandLine& command) override;
};

} // namespace ordanex
