#pragma once
// Splits a fuzzer's input into the pieces a harness feeds: texts and chunks cut at 0xFF
// bytes, so one input can carry several arguments or several network deliveries.
#include <QByteArray>
#include <QByteArrayList>
#include <QCoreApplication>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzz {

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The pieces between 0xFF bytes (at least `atLeast` of them, padded with empty ones).
inline QByteArrayList pieces(const uint8_t* data, size_t size, qsizetype atLeast = 1)
{
    QByteArrayList parts = bytes(data, size).split('\xff');
    while (parts.size() < atLeast)
        parts << QByteArray();
    return parts;
}

// A piece as the program reads text from the unit or a file: one byte per character.
inline QString text(const QByteArray& piece) { return QString::fromLatin1(piece); }

// The one application object of a harness whose code needs Qt's event loop or settings.
inline void ensureApp()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

}   // namespace fuzz
