#include "files/CmdFileReplay.h"
#include "files/CmdFileSections.h"

namespace {
// The UTF-8 byte-order mark as its three bytes read one character each.
const QString kByteOrderMark = QStringLiteral("\u00ef\u00bb\u00bf");
}   // namespace

ReplayPlan PlanReplay(const QStringList& fileLines)
{
    ReplayPlan plan;
    for (int i = 0; i < fileLines.size(); ++i) {
        const QString line =
            i == 0 && fileLines[i].startsWith(kByteOrderMark) ? fileLines[i].mid(kByteOrderMark.size()) : fileLines[i];
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (HoldsControlChar(line)) {
            plan.controlCharLine = i + 1;
            plan.commands.clear();
            return plan;
        }
        plan.commands.append({i + 1, line});
    }
    return plan;
}

QString RefusedLinesText(const QList<ReplayLine>& refused, int sent)
{
    constexpr int shown = 20;
    QStringList lines{QStringLiteral("The unit refused %1 of %2 commands:").arg(refused.size()).arg(sent)};
    for (int i = 0; i < refused.size() && i < shown; ++i)
        lines << QStringLiteral("Line %1: ").arg(refused[i].lineNumber) + refused[i].command;
    if (refused.size() > shown)
        lines << QStringLiteral("...");
    return lines.join(QLatin1Char('\n'));
}

QString ControlCharText(int lineNumber)
{
    return QStringLiteral("Line %1 holds a control character; nothing was sent.").arg(lineNumber);
}

QString ReplayLostText(int lineNumber)
{
    return QStringLiteral("Connection lost after line %1; the remaining lines were not sent.").arg(lineNumber);
}
