// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QTranslator>

#include <functional>

namespace ordanex {

// The program's words in the language the desktop asks for, and Qt's own
// for what Qt draws, from the first folder of the program's that holds
// them: beside it (Windows), or in share/ordanex next to its folder. A
// language without a translation is English, with nothing said. English
// takes its plural forms from a translation of its own.
class Translations {
public:
    explicit Translations(const QLocale& locale);

    // Which of the languages that `translated` lists (file names, such as
    // "pt_BR") to speak to whoever asks for `asked` (BCP 47 tags, the first
    // most wanted): the first asked that one of them is, or is as written
    // in another country. None where English comes first, which needs no
    // list.
    static QString language(const QStringList& asked,
                            const std::function<QStringList()>& translated);
    // Takes them out of the application, where they were installed.
    ~Translations();

    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Puts them into the application, which must exist.
    void install();
    // The words of `source` in `context`, also where they cannot be
    // installed.
    QString translate(const char* context, const char* source) const;

private:
    QTranslator english_, program_, qt_;
};

} // namespace ordanex
