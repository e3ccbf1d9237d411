// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool_starter.h"

namespace ordanex {

std::string wholeLines(std::string words, bool cut)
{
    if (const auto lineEnd = words.find('\n'); cut && lineEnd != std::string::npos)
        words.erase(0, lineEnd + 1);
    return words;
}

} // namespace ordanex
