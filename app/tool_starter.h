// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/merge_command.h"

#include <QObject>

#include <cstdint>
#include <string>

namespace ordanex {

// How much of the end of the tool's error output is read: its last lines
// say why it failed.
inline constexpr std::int64_t kWordsRead = 4096;

// The words read from the end of the tool's error output, in whole lines:
// a first line that the reading cut off (`cut`) is dropped.
std::string wholeLines(std::string words, bool cut);

// Starts the merge tool without waiting for it, in the working folder and
// environment of this program, and watches it from the event loop: once it
// ends it is reaped and its end is told. Whatever it has not finished when
// the program ends runs on by itself.
class LocalToolStarter final : public QObject, public ToolStarter {
public:
    LocalToolStarter();

    bool passesUnchanged(std::string_view piece) const override;
    StartResult start(const CommandLine& command, EndHandler ended) override;
};

} // namespace ordanex
