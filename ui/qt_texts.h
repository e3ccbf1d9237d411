// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/texts.h"

#include <QCoreApplication>

namespace ordanex {

// `text` as a left-to-right run of its own, so that a path or a name keeps
// its reading order in a right-to-left text.
inline QString leftToRight(const QString& text)
{
    return QChar(0x2066) + text + QChar(0x2069); // LRI ... PDI
}

// The merge job's texts in the language of the translations installed.
struct QtTexts final : Translator {
    std::string translate(const char* context, const char* source, const char* disambiguation,
                          int n) const override
    {
        return QCoreApplication::translate(context, source, disambiguation, n).toStdString();
    }
};

} // namespace ordanex
