// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "path_style.h"

#include <string>
#include <string_view>

namespace ordanex {

// Proposes the output path for a job whose first input is `path`: the same
// name beside it with its extension replaced by "_Out.pdf", or, where the
// name has none, with "_Out.pdf" added, so that the proposal never names
// the input itself.
struct DestinationRule {
    static std::string apply(std::string_view path, PathStyle style = kNativePathStyle);
};

} // namespace ordanex
