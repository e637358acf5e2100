#pragma once
// Runs the first read of a window on a scripted unit and records, step by step, the
// commands each step sent.
#include "support/TestProgram.h"
#include "app/frmMain.h"
#include "status/FirstRead.h"
#include <QByteArrayList>
#include <QList>
#include <functional>
#include <QString>

struct StepCommands {
    QString step;
    QByteArrayList commands;
};

// `atEachStep` also runs before each step, after the previous step's commands are taken.
inline QList<StepCommands> RecordFirstRead(TestProgram& t, frmMain& w,
                                           const std::function<void(const char*)>& atEachStep = {})
{
    QList<StepCommands> steps;
    qsizetype from = t.commands.size();
    auto closeLast = [&] {
        if (!steps.isEmpty())
            steps.last().commands = t.commands.mid(from);
        from = t.commands.size();
    };
    w.firstRead().onFirstReadStep = [&](const char* name) {
        closeLast();
        steps.append({QString::fromLatin1(name), {}});
        if (atEachStep)
            atEachStep(name);
    };
    w.FirstTimeRead();
    closeLast();
    w.firstRead().onFirstReadStep = nullptr;
    return steps;
}
