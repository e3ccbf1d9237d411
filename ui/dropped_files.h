// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QStringList>

class QMimeData;

namespace ordanex {

// The local files that a drop or the clipboard carries.
struct DroppedFiles {
    QStringList paths;      // in the order the drop lists them
    QStringList unreadable; // file names that would not reach pdftk unchanged, as shown
    qsizetype others = 0;   // items that are not files on this computer
};

DroppedFiles localFiles(const QMimeData* data);

// What the user is told of the items of a drop, or of a paste, that were
// not added, once the list took `added` of its paths: empty where all were.
class NotAdded {
    Q_DECLARE_TR_FUNCTIONS(ordanex::NotAdded)

public:
    static QString told(const DroppedFiles& files, qsizetype added, bool pasted);
};

} // namespace ordanex
