// Command-file sections: The unit's identity: firmware, part, serial and model-configuration numbers.
#include "commands/CommandContext.h"
#include "ui/frmMainUi.h"
#include "commands/PartNumbers.h"
#include "files/CmdFileLines.h"
#include "files/CmdFileSections.h"
#include <QLineEdit>

namespace cmdlines {

QString Recorded(const QString& command) { return QStringLiteral("#") + command; }

QString LiveIf(bool live, const QString& command) { return live ? command : Recorded(command); }

QStringList FirmwareLines(const QString& reportedFw, const QString& frmRev, const QString& cpld)
{
    QStringList lines{QStringLiteral("#Reported Firmware: ") + reportedFw + QStringLiteral(", v") + frmRev,
                      QStringLiteral("#")};
    if (!cpld.isEmpty())
        lines << QStringLiteral("#Reported CPLD: v") + cpld;
    lines << QStringLiteral("#");
    return lines;
}

QStringList PartNumberLines(const QString& partNumber, const QString& validated)
{
    if (partNumber.isEmpty())
        return {};
    return {QStringLiteral("#Part Number: ") + partNumber, QStringLiteral("#YK") + validated};
}

QStringList SerialNumberLines(const QString& serialNumber)
{
    return {QStringLiteral("#Serial Number: ") + serialNumber, QStringLiteral("#YL") + serialNumber};
}

QStringList ModelCfgLines(const QString& modelCfg) { return {QStringLiteral("#ModelCfg: ") + modelCfg}; }

}   // namespace cmdlines

using namespace cmdlines;

bool SaveFWPartNumber(CmdFileContext& c)
{
    const UnitIdentity& id = c.p.unit.id;
    c.Write(FirmwareLines(id.ReportedFwPartNo, c.ui.txtFrmRev->text(), id.CpldVersion));
    return true;
}

bool SavePartNumber(CmdFileContext& c)
{
    const QString partNumber = c.ui.txtPN->text();
    if (partNumber.isEmpty())
        return true;
    // A part number of another form shows ValidatePartNumber's warning while the file is written.
    const QString validated = ValidatePartNumber(c.p.platform.prompts, partNumber);
    c.Write(PartNumberLines(partNumber, validated));
    return true;
}

bool SaveSerialNumber(CmdFileContext& c)
{
    c.Write(SerialNumberLines(c.ui.txtSN->text()));
    return true;
}

bool SaveModelCfgPN(CmdFileContext& c)
{
    c.Write(ModelCfgLines(c.p.unit.id.ModelCfgPartNo));
    return true;
}
