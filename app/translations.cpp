// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations.h"

#include "app_directory.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace ordanex {

namespace {

// Qt lays the window out from right to left where this says so.
[[maybe_unused]] constexpr struct {
    const char* source;
    const char* comment;
} kDirection = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
    "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

QString programFolder()
{
    const QDir here(QString::fromStdString(appDirectory()));
    for (const QString& folder :
         {QStringLiteral("translations"), QStringLiteral("../share/ordanex/translations")}) {
        if (here.exists(folder + QStringLiteral("/ordanex_en.qm")))
            return here.filePath(folder);
    }
    return {};
}

} // namespace

Translations::Translations(const QLocale& locale)
{
    const QString folder = programFolder();
    const QString prefix = QStringLiteral("_");
    (void)english_.load(QStringLiteral("ordanex_en"), folder);
    if (locale.language() != QLocale::English && locale.language() != QLocale::C)
        (void)program_.load(locale, QStringLiteral("ordanex"), prefix, folder);
    // Windows' packages bring Qt's words along; elsewhere they are the system's.
    if (!qt_.load(locale, QStringLiteral("qtbase"), prefix, folder))
        (void)qt_.load(locale, QStringLiteral("qtbase"), prefix,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Translations::~Translations()
{
    if (QCoreApplication::instance()) {
        for (QTranslator* translator : {&qt_, &program_, &english_})
            QCoreApplication::removeTranslator(translator);
    }
}

void Translations::install()
{
    // The last one installed is asked first.
    for (QTranslator* translator : {&english_, &program_, &qt_}) {
        if (!translator->isEmpty())
            QCoreApplication::installTranslator(translator);
    }
}

QString Translations::translate(const char* context, const char* source) const
{
    for (const QTranslator* translator : {&program_, &english_}) {
        const QString text = translator->translate(context, source);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

} // namespace ordanex
