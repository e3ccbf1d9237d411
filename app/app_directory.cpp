// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_directory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ordanex {

std::string appDirectory()
{
#if defined(Q_OS_LINUX)
    // Qt caches the executable's path; the kernel's link always tells where
    // the executable is now.
    const QString executable = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    if (!executable.isEmpty())
        return QFileInfo(executable).absolutePath().toStdString();
#endif
    // On Windows a drive root keeps its separator ("C:\").
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}

} // namespace ordanex
