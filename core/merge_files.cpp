// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "merge_files.h"

#include <algorithm>

namespace ordanex {

namespace {

bool sameFile(std::string_view a, const FileState& aState, std::string_view b,
              const FileState& bState)
{
    // A file the system would not name has no id to go by.
    return a == b ||
           (aState.exists && bState.exists && aState.id != FileId{} && aState.id == bState.id);
}

} // namespace

MergeUse MergeFiles::look(std::span<const std::string> inputs, std::string_view destination) const
{
    MergeUse use{{inputs.begin(), inputs.end()}, {}, std::string(destination), look(destination)};
    use.inputStates.reserve(inputs.size());
    for (const std::string& input : inputs)
        use.inputStates.push_back(look(input));
    return use;
}

Clash MergeFiles::clash(const MergeUse& use) const
{
    const auto readBy = [&use](const MergeUse& other) {
        for (std::size_t i = 0; i < other.inputs.size(); ++i) {
            if (sameFile(use.destination, use.destinationState, other.inputs[i],
                         other.inputStates[i]))
                return true;
        }
        return false;
    };
    if (readBy(use))
        return {Clash::DestinationIsInput, use.destination};
    for (const Running& merge : running_) {
        // What a running merge writes may have appeared since it started.
        const std::string& written = merge.use.destination;
        const FileState writtenState = look(written);
        if (sameFile(use.destination, use.destinationState, written, writtenState) ||
            readBy(merge.use))
            return {Clash::InUse, use.destination};
        for (std::size_t i = 0; i < use.inputs.size(); ++i) {
            if (sameFile(use.inputs[i], use.inputStates[i], written, writtenState))
                return {Clash::InUse, use.inputs[i]};
        }
    }
    return {};
}

MergeFiles::Token MergeFiles::started(MergeUse use)
{
    running_.push_back({next_, std::move(use)});
    return next_++;
}

bool MergeFiles::madeHere(const FileState& state) const
{
    return state.exists && std::ranges::find(made_, state) != made_.end();
}

void MergeFiles::ended(Token merge, const FileState* made)
{
    std::erase_if(running_, [merge](const Running& running) { return running.token == merge; });
    if (!made)
        return;
    // A file holds one merge's result at a time.
    std::erase_if(made_, [made](const FileState& state) { return state.id == made->id; });
    made_.push_back(*made);
}

} // namespace ordanex
