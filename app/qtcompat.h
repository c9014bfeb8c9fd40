// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef QTCOMPAT_H
#define QTCOMPAT_H

// The few things Qt 5.15 and Qt 6 spell differently, so that the rest of the
// program reads the same on both.

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTextStream>
#include <QTextToSpeech>
#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QStringDecoder>
#include <optional>
#else
#include <QTextCodec>
#endif

// Every stream that names no encoding reads and writes UTF-8, whatever the
// desktop's locale. Qt 6 does so already.
inline void useUtf8Locale()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
#endif
}

// Called before the application exists. Qt 6 scales fixed geometries and
// pixmaps to the screen's DPI by itself; Qt 5 only when asked, else a
// 200 % screen cuts scaled-up text in fixed-size buttons.
inline void scaleWithScreen()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
}

// Where Qt's own translations (qtbase_zh_CN.qm, ...) are installed.
inline QString qtTranslationsFolder()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

// The configuration files are UTF-8: Qt 6's default for a text stream.
inline void readAsUtf8(QTextStream &stream)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    stream.setCodec("UTF-8");
#else
    Q_UNUSED(stream)
#endif
}

// "Germany" for de_DE.
inline QString territoryName(const QLocale &locale)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 2, 0)
    return QLocale::territoryToString(locale.territory());
#else
    return QLocale::countryToString(locale.country());
#endif
}

// "Deutschland" for de_DE.
inline QString nativeTerritoryName(const QLocale &locale)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 2, 0)
    return locale.nativeTerritoryName();
#else
    return locale.nativeCountryName();
#endif
}

// The engine's state after an error.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
constexpr QTextToSpeech::State SpeechErrorState = QTextToSpeech::Error;
#else
constexpr QTextToSpeech::State SpeechErrorState = QTextToSpeech::BackendError;
#endif

// Decodes text of one fixed encoding ("UTF-8", "UTF-16LE", "UTF-32BE", ...)
// one piece at a time, with nothing carried from one piece to the next: an
// incomplete character at a piece's end becomes U+FFFD.
class TextDecoder
{
public:
    TextDecoder() = default;
    explicit TextDecoder(const char *encoding)
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        : m_encoding(QStringConverter::encodingForName(encoding))
#else
        : m_codec(QTextCodec::codecForName(encoding))
#endif
    {
    }

    bool isValid() const
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        return m_encoding.has_value();
#else
        return m_codec != nullptr;
#endif
    }

    QString decode(const char *data, int size) const
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        QStringDecoder decoder(*m_encoding, QStringConverter::Flag::Stateless);
        return decoder.decode(QByteArrayView(data, size));
#else
        return m_codec->toUnicode(data, size);
#endif
    }

private:
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    std::optional<QStringConverter::Encoding> m_encoding;
#else
    QTextCodec *m_codec = nullptr;
#endif
};

#endif
