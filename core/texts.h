// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace ordanex {

// Puts the merge job's texts into the user's language. Each text is its
// English source as Qt's translation tools find it, in a context of its
// own; `n`, where not -1, chooses the plural form and takes the place of
// "%n". Where no translation is known, the source is the text.
class Translator {
public:
    virtual ~Translator() = default;
    virtual std::string translate(const char* context, const char* source,
                                  const char* disambiguation = nullptr, int n = -1) const = 0;
};

// Puts `args` in the places "%1" to "%9" of `text`, in one pass, so that an
// argument that holds "%2" itself, as a path may, stays as it is. Each is
// set apart as a left-to-right run of its own (LRI ... PDI), so that a path
// keeps its reading order in a right-to-left text.
std::string fill(std::string_view text, std::initializer_list<std::string_view> args);

// `text` as a left-to-right run of its own.
std::string leftToRight(std::string_view text);

} // namespace ordanex
