#pragma once
// A unit on the fake serial line whose answers the fuzzer's input decides: each piece
// "command NUL data" makes it answer that command with that data (an empty data: no answer);
// every other command is answered from a profile of a real unit family, or not at all.
#include "support/SimUnitProfile.h"
#include "support/TestProgram.h"
#include <QByteArrayList>

namespace fuzz {

// The profile (tube or solid-state, by the first byte's low bit) with the pieces' answers.
inline QMap<QByteArray, QByteArray> unitReplies(const QByteArrayList& pieces)
{
    const bool tube = !pieces.isEmpty() && !pieces[0].isEmpty() && (pieces[0].at(0) & 1);
    static const QMap<QByteArray, QByteArray> tubeReplies = twtaProfile().replies;
    static const QMap<QByteArray, QByteArray> solidReplies = sspaProfile().replies;
    QMap<QByteArray, QByteArray> replies = tube ? tubeReplies : solidReplies;
    for (const QByteArray& piece : pieces) {
        const qsizetype nul = piece.indexOf('\0');
        if (nul <= 0)
            continue;
        const QByteArray data = piece.mid(nul + 1);
        if (data.isEmpty())
            replies.remove(piece.left(nul));
        else
            replies[piece.left(nul)] = QByteArray(data).replace('\x03', ' ');   // an ETX would end the frame
    }
    return replies;
}

}   // namespace fuzz
