#pragma once
// A Program wired to fakes, with a scripted unit on the fake serial line: each command
// is answered with the data the test put in `replies` (ACK frame), or not at all.
// Every other service is a fake of FakePlatform, or the one the test names in `with`.
#include "app/Program.h"
#include "support/FakePlatform.h"
#include <QByteArrayList>
#include <QMap>
#include <memory>

struct TestProgram : FakePlatform {
    explicit TestProgram(const Overrides& with = {});

    std::unique_ptr<Program> program;
    Program& p() { return *program; }

    // command -> data of the unit's reply; a command without an entry goes unanswered.
    QMap<QByteArray, QByteArray> replies;
    // command -> data of successive replies, one used up per transaction before `replies`
    // is looked at; an empty entry goes unanswered.
    QMap<QByteArray, QByteArrayList> sequences;
    // command -> whole raw bytes to answer with (frame built by the test).
    QMap<QByteArray, QByteArray> rawReplies;
    char unitAddress = 'A';
    QByteArrayList commands;   // every command the unit received, in order
};
