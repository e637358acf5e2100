#pragma once
// The decisions of replaying a configuration command file: which lines are sent, the
// refusal of a file holding control characters, the question before a file of another model,
// and the reports of refused lines and of a replay that stopped early.
#include <QList>
#include <QString>
#include <QStringList>

struct ReplayLine {
    int lineNumber;    // 1-based line of the file
    QString command;   // sent unchanged
};

struct ReplayPlan {
    QList<ReplayLine> commands;
    int controlCharLine = 0;   // first command line holding a control character; 0 none
};

// Every line that is not empty and does not begin with "#" is a command, sent as it
// stands (a line of blanks, or one with a blank before "#", included). A UTF-8 byte-order
// mark that an editor put at the very start of the file is skipped.
ReplayPlan PlanReplay(const QStringList& fileLines);

// "The unit refused N of M commands:" and "Line L: " + text for each (the first 20, then "...").
QString RefusedLinesText(const QList<ReplayLine>& refused, int sent);

// "Line N holds a control character; nothing was sent."
QString ControlCharText(int lineNumber);

// Where a replay that stopped early got to: `sent` of `total` commands, the last of them on
// file line `lineNumber`.
struct ReplayStop {
    int sent = 0;
    int total = 0;
    int lineNumber = 0;
};
// "Connection lost after command S of T (file line L); the remaining commands were not sent."
QString ReplayLostText(const ReplayStop& stop);
// "Cancelled after command S of T (file line L); the unit holds the commands sent so far."
QString ReplayCancelledText(const ReplayStop& stop);

// Where a configuration file came from, as its header and identity lines tell: the model
// code of the "#  Firmware: " part number (0 when there is none) and the "#Serial Number: ".
struct CmdFileOrigin {
    qint32 model = 0;
    QString serial;
};
CmdFileOrigin CmdFileOriginOf(const QStringList& fileLines);
// The question before a file of another model is sent; empty when the file names no model or
// the connected unit's.
QString OtherModelQuestion(const CmdFileOrigin& file, qint32 unitModel, const QString& unitSerial);
