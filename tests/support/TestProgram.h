#pragma once
// A Program wired to fakes, with a scripted unit on the fake serial line: each command
// is answered with the data the test put in `replies` (ACK frame), or not at all.
#include "app/Program.h"
#include "platform/Folders.h"
#include "support/FakeClock.h"
#include "support/FakeProgress.h"
#include "support/FakePrompts.h"
#include "support/FakeSerialControl.h"
#include "support/MemorySettingsStore.h"
#include <QByteArrayList>
#include <QMap>
#include <QTemporaryDir>
#include <memory>

struct TestProgram {
    TestProgram();

    FakeClock clock;
    FakeSerialControl serial{&clock};
    FakePrompts prompts;
    FakeProgress progress;
    MemorySettingsStore settings;
    QTemporaryDir tmp;   // files and folders of this test only
    Folders folders{tmp.filePath("data"), tmp.filePath("home")};
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
