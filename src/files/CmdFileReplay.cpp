#include "files/CmdFileReplay.h"
#include "files/CmdFileSections.h"
#include "commands/PartNumbers.h"

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

QString ReplayLostText(const ReplayStop& stop)
{
    return QStringLiteral(
               "Connection lost after command %1 of %2 (file line %3); the remaining commands were not sent.")
        .arg(stop.sent)
        .arg(stop.total)
        .arg(stop.lineNumber);
}

QString ReplayCancelledText(const ReplayStop& stop)
{
    return QStringLiteral("Cancelled after command %1 of %2 (file line %3); the unit holds the commands sent so far.")
        .arg(stop.sent)
        .arg(stop.total)
        .arg(stop.lineNumber);
}

CmdFileOrigin CmdFileOriginOf(const QStringList& fileLines)
{
    const QString firmware = QStringLiteral("#  Firmware: ");
    const QString serial = QStringLiteral("#Serial Number: ");
    CmdFileOrigin origin;
    bool firmwareSeen = false, serialSeen = false;
    for (const QString& line : fileLines) {
        if (!firmwareSeen && line.startsWith(firmware)) {
            QString partNo;
            origin.model = qMax(ParseModelNumber(line.mid(firmware.size()), partNo), 0);
            firmwareSeen = true;
        } else if (!serialSeen && line.startsWith(serial)) {
            origin.serial = line.mid(serial.size()).trimmed();
            serialSeen = true;
        }
    }
    return origin;
}

QString OtherModelQuestion(const CmdFileOrigin& file, qint32 unitModel, const QString& unitSerial)
{
    if (file.model <= 0 || file.model == unitModel)
        return QString();
    return QStringLiteral("This file was saved from model %1, serial %2; the connected unit is model %3, serial %4. "
                          "Send it anyway?")
        .arg(file.model)
        .arg(file.serial)
        .arg(unitModel)
        .arg(unitSerial);
}
