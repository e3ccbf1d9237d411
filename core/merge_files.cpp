// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "merge_files.h"

#include <algorithm>

namespace ordanex {

NamedFile MergeFiles::named(std::string_view path, bool withFolder, FolderSeen* seen) const
{
    NamedFile file{std::string(path), look(path), {}};
    // A file that exists is known by its own number; a folder is looked at
    // only where that is missing, and once for the files of a list that
    // lie side by side.
    const std::string_view folder = path.substr(0, fileNameStart(path, style_));
    if ((withFolder || !file.state.exists()) && !folder.empty()) {
        if (!seen)
            file.folder = look(folder).id;
        else if (seen->path == folder)
            file.folder = seen->id;
        else
            *seen = {std::string(folder), file.folder = look(folder).id};
    }
    return file;
}

MergeUse MergeFiles::lookAtMerge(std::span<const std::string> inputs,
                                 std::string_view destination) const
{
    MergeUse use{{}, named(destination, true)};
    use.inputs.reserve(inputs.size());
    FolderSeen seen;
    for (const std::string& input : inputs)
        use.inputs.push_back(named(input, false, &seen));
    return use;
}

bool MergeFiles::sameFile(const NamedFile& a, const NamedFile& b) const
{
    if (a.path == b.path)
        return true;
    if (a.state.exists() && b.state.exists() && a.state.id.known() && a.state.id == b.state.id)
        return true;
    return a.folder.known() && a.folder == b.folder &&
           disk_.sameName(std::string_view(a.path).substr(fileNameStart(a.path, style_)),
                          std::string_view(b.path).substr(fileNameStart(b.path, style_)));
}

Clash MergeFiles::clash(const MergeUse& use) const
{
    const auto readBy = [&](const MergeUse& other) {
        return std::ranges::any_of(
            other.inputs, [&](const NamedFile& input) { return sameFile(use.destination, input); });
    };
    if (readBy(use))
        return {Clash::DestinationIsInput, use.destination.path};
    for (const Running& merge : running_) {
        // What a running merge writes may have appeared since it started.
        const NamedFile written = named(merge.use.destination.path, true);
        if (sameFile(use.destination, written) || readBy(merge.use))
            return {Clash::InUse, use.destination.path};
        for (const NamedFile& input : use.inputs) {
            if (sameFile(input, written))
                return {Clash::InUse, input.path};
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
    // A file without a number of its own could be any file.
    return state.kind == FileState::File && state.id.known() &&
           std::ranges::find(made_, state) != made_.end();
}

void MergeFiles::ended(Token merge, const FileState* made)
{
    std::erase_if(running_, [merge](const Running& running) { return running.token == merge; });
    if (!made || !made->id.known())
        return;
    // A file holds one merge's result at a time.
    std::erase_if(made_, [made](const FileState& state) { return state.id == made->id; });
    made_.push_back(*made);
}

} // namespace ordanex
