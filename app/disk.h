// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/merge_files.h"

namespace ordanex {

// The files on this system's disks, as its own calls see them.
class LocalDisk final : public Disk {
public:
    FileState look(std::string_view path) const override;
    bool sameName(std::string_view a, std::string_view b) const override;
};

} // namespace ordanex
