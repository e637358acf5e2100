#pragma once
// A TestProgram whose commands go over a fake TCP socket that is connected: the scripted
// unit answers each request from `replies` with one TCP line, delivered in the fake
// clock's next round of events. Every window hook records itself in `calls`.
#include "support/TestProgram.h"
#include <QStringList>

struct TcpTestProgram : TestProgram {
    TcpTestProgram();

    QStringList calls;   // window hooks, in the order they ran
};
