// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations.h"

#include "app_directory.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

#include <optional>

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

// Bokmål and Nynorsk are both written Norwegian: a reader of one reads the
// other.
QLocale::Language spoken(const QLocale& locale)
{
    const QLocale::Language language = locale.language();
    return language == QLocale::NorwegianBokmal ? QLocale::NorwegianNynorsk : language;
}

} // namespace

QString Translations::language(const QStringList& asked, const std::function<QStringList()>& listed)
{
    std::optional<QStringList> translated;
    for (const QString& tag : asked) {
        const QLocale wanted(tag);
        if (wanted.language() == QLocale::English || wanted.language() == QLocale::C)
            return {};
        if (!translated)
            translated = listed();
        // The language as asked, then as written in another country: Portugal
        // reads Brazil's Portuguese, Hong Kong Taiwan's Chinese.
        const QString code = QLocale::languageToCode(wanted.language());
        for (const QString& name : {wanted.name(), code}) {
            if (translated->contains(name))
                return name;
        }
        for (const QString& name : *translated) {
            const QLocale other(name);
            if (spoken(other) == spoken(wanted) && other.script() == wanted.script())
                return name;
        }
    }
    return {};
}

Translations::Translations(const QLocale& locale)
{
    const QString folder = programFolder();
    (void)english_.load(QStringLiteral("ordanex_en"), folder);
    const QString chosen = language(locale.uiLanguages(), [&folder] {
        // Name filters would wake a regular expression engine.
        QStringList translated;
        for (const QString& file : QDir(folder).entryList(QDir::Files, QDir::NoSort)) {
            if (file.startsWith(u"ordanex_") && file.endsWith(u".qm") && file != u"ordanex_en.qm")
                translated.append(file.mid(8, file.size() - 11));
        }
        return translated;
    });
    if (chosen.isEmpty())
        return; // English, Qt's own words included
    (void)program_.load(QStringLiteral("ordanex_") + chosen, folder);
    // Qt's words in the same language, so that no box mixes two. Windows'
    // packages bring them along; elsewhere they are the system's.
    const QString qt = QStringLiteral("qtbase_") + chosen;
    if (!qt_.load(qt, folder))
        (void)qt_.load(qt, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
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
