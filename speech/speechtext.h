// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SPEECHTEXT_H
#define SPEECHTEXT_H

#include <QLocale>
#include <QString>

class QTextToSpeech;

// Turns a rule line such as "5跳位|0-G8NO|预警" into what the engine is to
// say in the language of its current locale: Chinese and English are
// handled, any other language gives an empty text.
QString prepareSpeechText(QString text, QTextToSpeech *speech);
QString prepareSpeechText(QString text, const QLocale &locale);
// Whether alerts are spoken in this locale's language.
bool speechLanguageHandled(const QLocale &locale);

#endif
