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
    return {true,
            {static_cast<std::uint64_t>(file.st_dev), static_cast<std::uint64_t>(file.st_ino)},
            static_cast<std::uint64_t>(file.st_size),
            static_cast<std::int64_t>(file.st_mtim.tv_sec) * 1'000'000'000 + file.st_mtim.tv_nsec};
}

} // namespace ordanex
