// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "path_style.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ordanex {

// Which file a path names, whatever its spelling: the system's numbers for
// the device it is on and for the file there, 128 bits where the system
// gives that many.
struct FileId {
    std::uint64_t device = 0;
    std::uint64_t high = 0, low = 0;

    // Some file systems give every file zero, or all ones: such a number
    // tells no two files apart.
    constexpr bool known() const
    {
        constexpr std::uint64_t ones = ~std::uint64_t{0};
        return (high != 0 || low != 0) && !(low == ones && (high == 0 || high == ones));
    }
    bool operator==(const FileId&) const = default;
};

// What is at a path: enough to tell another spelling of the same file, and
// whether a file was left as it was.
struct FileState {
    enum Kind {
        Nothing,
        File,
        Folder,
        Other, // a device, a pipe or a socket
    } kind = Nothing;
    FileId id;
    std::uint64_t size = 0;
    std::int64_t written = 0; // when it was last written, in the system's own ticks

    bool exists() const { return kind != Nothing; }
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
    // Whether two names in one folder name one file, by the file system's
    // rule for names.
    virtual bool sameName(std::string_view a, std::string_view b) const = 0;
};

// A file as a merge names it, and what was there when it was looked at.
struct NamedFile {
    std::string path;
    FileState state;
    // The folder it is in, where it has been looked at: a file that does
    // not exist yet has no number of its own, only its folder and name.
    FileId folder;
};

// The files of one merge.
struct MergeUse {
    std::vector<NamedFile> inputs;
    NamedFile destination;
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

    explicit MergeFiles(const Disk& disk, PathStyle style = kNativePathStyle)
        : disk_(disk), style_(style)
    {
    }

    FileState look(std::string_view path) const { return disk_.look(path); }
    // Looks at every file of a merge, and at the folders of those that are
    // not there: the destination's always, since the tool makes it.
    MergeUse lookAtMerge(std::span<const std::string> inputs, std::string_view destination) const;

    // Two paths name one file where their texts are the same; where both
    // exist and are the same file; or where they name one place, the same
    // name in the same folder, existing or not.
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

    // The folder last looked at, with its number.
    struct FolderSeen {
        std::string path;
        FileId id;
    };
    NamedFile named(std::string_view path, bool withFolder, FolderSeen* seen = nullptr) const;
    bool sameFile(const NamedFile& a, const NamedFile& b) const;

    const Disk& disk_;
    PathStyle style_;
    std::vector<Running> running_;
    std::vector<FileState> made_;
    Token next_ = 0;
};

} // namespace ordanex
