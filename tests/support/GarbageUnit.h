#pragma once
// A unit that answers every command with seeded random data: sometimes the command's own
// echo first, then digits, signs, separators, letters and frame bytes in any order, over
// the serial line or TCP. Every query must come back with its default or a value, never
// with a frame byte in it.
#include "support/TcpTestProgram.h"
#include "support/TestProgram.h"
#include "support/UnitFrames.h"
#include <QRandomGenerator>

namespace garbage {

inline QByteArray randomData(QRandomGenerator& rng, const QByteArray& command)
{
    static const QByteArray alphabet =
        QByteArrayLiteral("0123456789..--++;;,,::  ?\?<>/!eEABCXYZabc{}\x02\x03\x06\x15");
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

// Makes `t`'s unit answer every request on its TCP socket with a random line: random data
// in the reply's frame, now and then more random bytes between its ETX and its CR.
inline void answerWithGarbageLines(TcpTestProgram& t, QRandomGenerator& rng)
{
    t.tcp.responder = [&t, &rng](const QByteArray& block) -> QByteArrayList {
        char address = 0;
        QByteArray command;
        if (!unitframes::parseTcpRequest(block, address, command))
            return {};
        t.commands.append(command);
        if (rng.bounded(8) == 0)
            return {};
        QByteArray line = unitframes::tcpReply('A', randomData(rng, command));
        if (rng.bounded(3) == 0)
            line.insert(line.size() - 1, randomData(rng, {}));
        return {line};
    };
}

// Runs `body` `rounds` times, each on a new program whose unit answers at random: over the
// fake serial line, or (overTcp) over a connected fake TCP socket.
template <class Body> void forGarbageUnits(bool overTcp, QRandomGenerator& rng, int rounds, const Body& body)
{
    for (int round = 0; round < rounds; ++round) {
        if (overTcp) {
            TcpTestProgram t;
            answerWithGarbageLines(t, rng);
            body(t.p());
        } else {
            TestProgram t;
            answerWithGarbage(t, rng);
            body(t.p());
        }
    }
}

// The first character of `text` that no value may hold (a control or frame byte), or -1.
inline int frameByteIn(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return c.unicode();
    return -1;
}

}   // namespace garbage
