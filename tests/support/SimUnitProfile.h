#pragma once
// What the simulated unit answers: a table of commands and reply data, per unit family
// and model, with per-command behaviour for the error cases. Shared by every transport
// of the simulated unit (fake serial line, pseudo-terminal, TCP).
#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <QMap>

struct SimBehaviour {
    // NoEtx: the reply without its ETX (serial: closed by "}" and its checksum; TCP: the line
    // ends at its CR right after the data).
    enum Kind { Answer, Silent, Nak, BadChecksum, CutShort, StrayBytesFirst, DropConnection, NoEtx };
    Kind kind = Answer;
    int delayMs = 0;       // wait before answering
    QList<int> splitAt;    // deliver the reply in pieces cut at these offsets
    int pieceGapMs = 20;   // pause between two pieces, so each is its own delivery
    QByteArray trailing;   // TCP: bytes sent right after the reply line, in the same write
};

struct SimUnitProfile {
    char address = 'A';                         // the unit's own address
    bool answerAnyAddress = false;              // answer frames sent to any address
    QMap<QByteArray, QByteArray> replies;       // command -> reply data (echo and value)
    QMap<QByteArray, SimBehaviour> behaviour;   // command -> how to answer; default Answer
    SimBehaviour defaultBehaviour;              // for commands without their own entry

    void set(const QByteArray& command, const QByteArray& data) { replies[command] = data; }
    bool knows(const QByteArray& command) const { return replies.contains(command); }
    // Makes the unit refuse at once (NAK), rather than stay silent, each of `commands` it
    // does not know, so a link under test never waits out its time-out.
    void refuseUnknown(const QByteArrayList& commands)
    {
        for (const QByteArray& command : commands)
            if (!knows(command))
                behaviour[command].kind = SimBehaviour::Nak;
    }
    // Makes the unit refuse at once (NAK) every command it does not know, whichever is sent.
    void refuseAllUnknown()
    {
        for (auto it = replies.cbegin(); it != replies.cend(); ++it)
            if (!behaviour.contains(it.key()))
                behaviour[it.key()] = defaultBehaviour;
        defaultBehaviour = SimBehaviour{};
        defaultBehaviour.kind = SimBehaviour::Nak;
    }
    SimBehaviour behaviourFor(const QByteArray& command) const { return behaviour.value(command, defaultBehaviour); }
};

// Profiles of typical units; helpers add the replies their queries need.
SimUnitProfile twtaProfile();
SimUnitProfile sspaProfile();
// An older SSPA (model 4817) without a firmware part number or CPLD version.
SimUnitProfile olderSspaProfile();
