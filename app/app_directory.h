// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace ordanex {

// The folder that holds the running executable, read anew on every call,
// in the system's own spelling (UTF-8).
std::string appDirectory();

} // namespace ordanex
