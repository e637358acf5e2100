#pragma once
// The decisions of replaying a configuration command file: which lines are sent, the
// refusal of a file holding control characters, and the report of refused lines.
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
// "Connection lost after line L; the remaining lines were not sent."
QString ReplayLostText(int lineNumber);
