// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "destination_rule.h"

namespace ordanex {

std::string DestinationRule::apply(std::string_view path, PathStyle style)
{
    // Only the file name may lose its extension: a dot in a folder name must
    // not move the output into another folder.
    auto dot = path.rfind('.');
    if (dot == std::string_view::npos || dot < fileNameStart(path, style))
        dot = path.size();
    std::string destination(path.substr(0, dot));
    destination += "_Out.pdf";
    return destination;
}

} // namespace ordanex
