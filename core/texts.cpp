// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "texts.h"

namespace ordanex {

std::string fill(std::string_view text, std::initializer_list<std::string_view> args)
{
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t place =
            i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && place < args.size()) {
            filled += leftToRight(args.begin()[place]);
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::string leftToRight(std::string_view text)
{
    std::string run = "\u2066"; // LEFT-TO-RIGHT ISOLATE
    run += text;
    run += "\u2069"; // POP DIRECTIONAL ISOLATE
    return run;
}

} // namespace ordanex
