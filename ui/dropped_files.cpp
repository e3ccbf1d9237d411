// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dropped_files.h"

#include "core/entry_list.h"
#include "qt_texts.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace ordanex {

namespace {

// The names of the first few files left out, so that the user knows which
// files to look at.
QString named(QString told, qsizetype count, const QStringList& names)
{
    constexpr qsizetype kNamesShown = 5;
    const qsizetype shown = std::min(kNamesShown, names.size());
    for (const QString& name : names.first(shown))
        told += u'\n' + leftToRight(name);
    if (const auto more = static_cast<int>(count - shown); more > 0)
        //: After the names of the first few files left out.
        told += u'\n' + NotAdded::tr("and %n more", nullptr, more);
    return told;
}

} // namespace

DroppedFiles localFiles(const QMimeData* data)
{
    DroppedFiles files;
    if (!data || !data->hasUrls())
        return files;
    const QList<QUrl> urls = data->urls();
    files.paths.reserve(urls.size());
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) {
            ++files.others;
            continue;
        }
        // Paths travel on as UTF-8. Bytes that are not UTF-8 come out of
        // QUrl as U+FFFD, naming another file, so such a file is left out;
        // only a path showing U+FFFD needs its bytes looked at.
        const QString path = url.toLocalFile();
        if (path.contains(QChar::ReplacementCharacter) &&
            !QUtf8StringView(
                 QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()))
                 .isValidUtf8())
            files.unreadable.append(QFileInfo(path).fileName());
        else
            files.paths.append(QDir::toNativeSeparators(path));
    }
    return files;
}

QString NotAdded::told(const DroppedFiles& files, qsizetype added, bool pasted)
{
    QStringList told;
    if (const auto n = static_cast<int>(files.unreadable.size()); n > 0) {
        told.append(named(
            pasted ? tr("%n of the pasted files were not added: their names are not valid UTF-8.",
                        nullptr, n)
                   : tr("%n of the dropped files were not added: their names are not valid UTF-8.",
                        nullptr, n),
            n, files.unreadable));
    }
    if (const auto n = static_cast<int>(files.paths.size() - added); n > 0) {
        told.append(named(
            (pasted ? tr("%n of the pasted files were not added: the list holds at most %1 files.",
                         nullptr, n)
                    : tr("%n of the dropped files were not added: the list holds at most %1 "
                         "files.",
                         nullptr, n))
                .arg(leftToRight(QString::number(EntryList::kMaxEntries))),
            n, {QFileInfo(files.paths[added]).fileName()}));
    }
    if (const auto n = static_cast<int>(files.others); n > 0) {
        //: Such as web addresses, dropped or pasted along with files.
        told.append(pasted ? tr("%n of the pasted items were not added: they are not files on "
                                "this computer.",
                                nullptr, n)
                           : tr("%n of the dropped items were not added: they are not files on "
                                "this computer.",
                                nullptr, n));
    }
    return told.join(QStringLiteral("\n\n"));
}

} // namespace ordanex
