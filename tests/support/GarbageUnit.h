#pragma once
// A unit that answers every command with seeded random data: sometimes the command's own
// echo first, then digits, signs, separators, letters and frame bytes in any order. Every
// query must come back with its default or a value, never with a frame byte in it.
#include "support/TestProgram.h"
#include "support/UnitFrames.h"
#include <QRandomGenerator>

namespace garbage {

inline QByteArray randomData(QRandomGenerator& rng, const QByteArray& command)
{
    static const QByteArray alphabet = QByteArrayLiteral("0123456789..--++;;,,::  ?\?<>/!eEABCXYZabc{}\x02\x03\x06\x15");
    QByteArray data;
    if (rng.bounded(3) != 0) {   // usually the echo the query looks for, whole or in part
        const QByteArray echo = command.endsWith('?') ? command.chopped(1) : command;
        data = echo.left(static_cast<qsizetype>(rng.bounded(static_cast<int>(echo.size()) + 1)));
    }
    const int n = static_cast<int>(rng.bounded(24));
    for (int i = 0; i < n; ++i)
        data += alphabet.at(static_cast<qsizetype>(rng.bounded(static_cast<int>(alphabet.size()))));
    return data;
}

// Makes `t`'s unit answer every command with random data from `rng`.
inline void answerWithGarbage(TestProgram& t, QRandomGenerator& rng)
{
    t.serial.responder = [&t, &rng](const QByteArray& frame) -> QByteArray {
        char address = 0;
        QByteArray command;
        if (!unitframes::parseSerialRequest(frame, address, command))
            return {};
        t.commands.append(command);
        if (rng.bounded(8) == 0)
            return {};   // now and then no answer at all
        return unitframes::serialReply('A', randomData(rng, command));
    };
}

// The first character of `text` that no value may hold (a control or frame byte), or -1.
inline int frameByteIn(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return c.unicode();
    return -1;
}

} // namespace garbage
