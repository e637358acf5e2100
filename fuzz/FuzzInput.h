#pragma once
// Splits a fuzzer's input into the pieces a harness feeds: texts and chunks cut at 0xFF
// bytes, so one input can carry several arguments or several network deliveries.
#include <QApplication>
#include <QByteArray>
#include <QByteArrayList>
#include <QCoreApplication>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

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

// The one application object of a harness whose code builds windows, shown on no screen. It
// lives until the process ends, never destroyed: the font caches of its thread go with it.
inline void ensureWidgetApp()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static const QApplication* app = new QApplication(argc, argv);
    (void)app;
}

// A promise the code under test broke: reported, and the input kept as a failure.
[[noreturn]] inline void broken(const char* promise, const char* file, int line)
{
    std::fprintf(stderr, "broken: %s (%s:%d)\n", promise, file, line);
    std::abort();
}

}   // namespace fuzz

// Checks a promise of the code under test.
#define FUZZ_CHECK(kept, promise)                                                                                      \
    do {                                                                                                               \
        if (!(kept))                                                                                                   \
            fuzz::broken(promise, __FILE__, __LINE__);                                                                 \
    } while (false)
