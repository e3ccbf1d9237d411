// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/texts.h"

#include <QCoreApplication>

namespace ordanex {

// The merge job's texts in the language of the translations installed.
struct QtTexts final : Translator {
    std::string translate(const char* context, const char* source, const char* disambiguation,
                          int n) const override
    {
        return QCoreApplication::translate(context, source, disambiguation, n).toStdString();
    }
};

} // namespace ordanex
