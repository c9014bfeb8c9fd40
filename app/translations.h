// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TRANSLATIONS_H
#define TRANSLATIONS_H

#include <QLocale>
#include <QString>
#include <QStringList>

// The interface language for the desktop's languages, most preferred first:
// "zh_CN" for any Chinese, "en" for English and for any language we lack.
QString interfaceLanguage(const QStringList &uiLanguages);

// Installs the program's translation and Qt's own for that language in place
// of any installed before, and returns the language. Needs the application.
QString installTranslations(const QStringList &uiLanguages = QLocale::system().uiLanguages());

// A language's name for the interface: as Qt names it in English, or in the
// language itself ("中文", "Deutsch") under the Chinese interface, which Qt
// has no Chinese names for. With `territory`, "English (United States)".
QString languageName(const QLocale &locale, bool territory = false);

#endif
