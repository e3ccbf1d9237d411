// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ordanex {

// Which file a path names, whatever its spelling: the system's numbers for
// the device it is on and for the file there.
struct FileId {
    std::uint64_t device = 0;
    std::uint64_t file = 0;

    bool operator==(const FileId&) const = default;
};

// What is at a path: enough to tell another spelling of the same file, and
// whether a file was left as it was.
struct FileState {
    bool exists = false;
    FileId id;
    std::uint64_t size = 0;
    std::int64_t written = 0; // when it was last written, in the system's own ticks

    bool operator==(const FileState&) const = default;
};

// Looks at files on disk. Standard C++ cannot tell which file a path names,
// so this is the system's to do.
class Disk {
public:
    virtual ~Disk() = default;
    // Follows links; where nothing is there, or only a dangling link, the
    // state says that nothing exists.
    virtual FileState look(std::string_view path) const = 0;
};

// The files of one merge, as they were looked at.
struct MergeUse {
    std::vector<std::string> inputs;
    std::vector<FileState> inputStates;
    std::string destination;
    FileState destinationState;
};

// What a merge would share with the merges of this window.
struct Clash {
    enum Kind {
        None,
        DestinationIsInput, // it would overwrite a file while it reads it
        InUse,              // a running merge writes `file`, or reads the destination
    } kind = None;
    std::string file; // as this merge names it
};

// The files this window's merges work on: those that running merges read
// and write, so that no two merges work on one file at once, and those that
// merges made, so that the next merge may replace them unasked.
class MergeFiles {
public:
    using Token = std::uint64_t;

    explicit MergeFiles(const Disk& disk) : disk_(disk) {}

    FileState look(std::string_view path) const { return disk_.look(path); }
    MergeUse look(std::span<const std::string> inputs, std::string_view destination) const;

    // Two paths name one file where their texts are the same, or where both
    // exist and are the same file: a destination that does not exist yet
    // can only match by its text.
    Clash clash(const MergeUse& use) const;

    // Whether the file at a destination, as it is now, is one that a merge
    // of this window made there and that has not changed since.
    bool madeHere(const FileState& state) const;

    // Keeps the files of a merge that starts, until `ended` is told.
    Token started(MergeUse use);
    // Forgets a merge; `made` is the file it made, where it made one.
    void ended(Token merge, const FileState* made = nullptr);

private:
    struct Running {
        Token token;
        MergeUse use;
    };

    const Disk& disk_;
    std::vector<Running> running_;
    std::vector<FileState> made_;
    Token next_ = 0;
};

} // namespace ordanex
