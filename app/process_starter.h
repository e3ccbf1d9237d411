// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/merge_command.h"

#include <QObject>

namespace ordanex {

// Starts the merge tool without waiting for it, in the working folder and
// environment of this program, and watches it from the event loop: once it
// ends it is reaped and its end is told. Whatever it has not finished when
// the program ends runs on by itself.
class ToolStarter final : public QObject, public ProgramStarter {
public:
    ToolStarter();

    bool passesUnchanged(std::string_view piece) const override;
    StartResult start(const CommandLine& command, EndHandler ended) override;
};

} // namespace ordanex
