// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "disk.h"

#include <string>
#include <sys/stat.h>

namespace ordanex {

FileState LocalDisk::look(std::string_view path) const
{
    struct stat file {};
    if (::stat(std::string(path).c_str(), &file) != 0)
        return {};
    return {S_ISREG(file.st_mode)   ? FileState::File
            : S_ISDIR(file.st_mode) ? FileState::Folder
                                    : FileState::Other,
            {static_cast<std::uint64_t>(file.st_dev), 0, static_cast<std::uint64_t>(file.st_ino)},
            static_cast<std::uint64_t>(file.st_size),
            static_cast<std::int64_t>(file.st_mtim.tv_sec) * 1'000'000'000 + file.st_mtim.tv_nsec};
}

bool LocalDisk::sameName(std::string_view a, std::string_view b) const
{
    return a == b;
}

} // namespace ordanex
