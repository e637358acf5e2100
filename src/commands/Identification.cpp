#include "commands/Identification.h"
#include "commands/ConfigProductQueries.h"
#include "commands/ModelSets.h"
#include "commands/PartNumbers.h"
#include "commands/ProjectSpecific.h"
#include "commands/QueryRule.h"
#include "commands/CommandContext.h"
#include "link/SharedRoutines.h"
#include "platform/Conventions.h"
#include <array>

namespace {

constexpr std::array<qint32, 7> kExtRefTwtaModels{6046, 6071, 6082, 6095, 6104, 6119, 6129};
constexpr std::array<qint32, 4> kExtRefModelGroup{0, 6093, 6046, 5819};
constexpr std::array<qint32, 3> kPicDbmModels{5806, 5819, 5833};
constexpr std::array<qint32, 2> kAlwaysDbmModels{5363, 5384};

constexpr std::array kCathodeCountParts{"672-6129-006", "672-6129-004", "672-6129-008"};
constexpr std::array kNoSubBandCompParts{"672-7436-001", "672-7436-002", "672-7436-003",   "672-7436-004",
                                         "672-7436-005", "672-7436-006", "672-7436-005-QK"};
constexpr std::array kInputDriveParts{"672-7415-004"};
constexpr std::array kLldpParts{"672-7467-001", "672-7467-002"};

// Firmware families by firmware part number; the first family that lists it wins.
struct FirmwareFamily {
    PartNumberList parts;
    bool UnitIdentity::*flag;
};
const std::array<FirmwareFamily, 3> kFirmwareFamilies{{
    {kNoSubBandCompParts, &UnitIdentity::NoSubBandCompFirmware},
    {kInputDriveParts, &UnitIdentity::InputDriveFirmware},
    {kLldpParts, &UnitIdentity::LldpFirmware},
}};

void SetFirmwareFamily(UnitIdentity& id)
{
    bool matched = false;
    for (const FirmwareFamily& family : kFirmwareFamilies) {
        const bool hit = !matched && IsListedPart(family.parts, id.FirmwarePartNo);
        id.*family.flag = hit;
        matched = matched || hit;
    }
}

// The run of printable characters from `start`, inside the data.
QString PrintableRun(const SsaCmds::Reply& r, int start)
{
    int stop = start;
    while (IsPrintableChar(r.codeAt(stop)))
        ++stop;
    return r.between(start, stop);
}

}   // namespace

namespace SsaCmds {

bool GetUnitIDFields(CommandContext& p)
{
    const QString prefix =
        p.unit.id.FirmwarePartNo == QLatin1String("672-7415-004") ? QStringLiteral("286-") : QStringLiteral("291-");
    const auto r = Ask(p, QStringLiteral("00"));
    if (!r)
        return false;
    const int echo = r->find(QStringLiteral("0"));
    if (!echo)
        return false;
    std::array<QString, 4> fields;
    const QString slash = QStringLiteral("/");
    const int start = echo + 1;
    const int s1 = r->find(slash, start);
    if (s1 > start) {
        QString part = r->between(start, s1);
        if (part.size() == 9)
            part = part.mid(1);
        fields[0] = ExpandUnitPartNo(part, prefix);
    }
    if (const int s2 = s1 ? r->find(slash, s1 + 1) : 0) {
        fields[1] = r->between(s1 + 1, s2);
        if (const int s3 = r->find(slash, s2 + 1)) {
            fields[2] = r->between(s2 + 1, s3);
            fields[3] = PrintableRun(*r, s3 + 1);
        } else {
            fields[2] = r->upToEtx(s2 + 1, s2 + 1).value_or(QString());
        }
    }
    for (int k = 0; k < 4; ++k)
        p.ReplyFields[k] = fields[k];
    return true;
}

QString ReadCPLDVersion(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("0C"));
    if (!r || r->find(QStringLiteral("C"), 4) != 4)
        return QString();
    return r->upToEtx(5, 5).value_or(QString());
}

QString ReadUnitId0S(CommandContext& p)
{
    const auto r = Ask(p, QStringLiteral("0S"));
    if (!r || r->find(QStringLiteral("S"), 4) != 4)
        return QString();
    return r->upToEtx(4, 4).value_or(QString());
}

}   // namespace SsaCmds

QString ExpandUnitPartNo(const QString& field, const QString& prefix)
{
    if (field.size() == 7)
        return prefix + field.left(4) + QLatin1Char('-') + field.mid(4, 3);
    if (field.size() == 8)
        return prefix + field;
    return field;
}

qint32 FirmwareVersionFromText(const QString& revision)
{
    const QString digits = conv::IsNumeric(revision) ? revision : DecodeVersionLetters(revision);
    const double scale = revision.contains(QLatin1Char('.')) ? 100.0 : 1.0;
    return conv::ToLong(conv::Val(digits) * scale).value_or(0);
}

void GetUnitIDVersion(CommandContext& p, qint32 modelCode)
{
    UnitIdentity& id = p.unit.id;
    if (SsaCmds::GetUnitIDFields(p)) {
        QString* boxes[] = {&id.boxes.txtPN, &id.boxes.txtSN, &id.boxes.txtFrmRev, &id.boxes.txtCplDate};
        for (int k = 0; k < 4; ++k) {
            if (!p.ReplyFields[k].isEmpty())
                *boxes[k] = p.ReplyFields[k];
        }
        id.UnitSerialNo = p.ReplyFields[1].isEmpty() ? QStringLiteral("00000") : p.ReplyFields[1];
    }
    id.FirmwareVersion100 = FirmwareVersionFromText(id.boxes.txtFrmRev);
    if (IsTouchScreenModel(modelCode))
        SsaCmds::ReadUnitId0S(p);
}

void DetermineUnitType(CommandContext& p)
{
    UnitIdentity& id = p.unit.id;
    // A new unit starts without the previous unit's part number and second mask.
    id.FirmwarePartNo.clear();
    p.unit.config.SecondMaskReceived = false;
    id.IsTwtaUnit = false;
    const QString typeText = SsaCmds::ReadUnitModelText(p);
    if (!typeText.isEmpty()) {
        id.IsTwtaUnit = typeText.startsWith(QLatin1Char('T'));
        id.UnitModelCode = ParseModelNumber(typeText, id.FirmwarePartNo);
    } else {
        id.IsTwtaUnit = true;
        id.UnitModelCode = -1;
    }
    id.ReportedFwPartNo = id.FirmwarePartNo;
    id.CpldVersion = SsaCmds::ReadCPLDVersion(p);
    id.ExtRefTwtaModel = IsListedModel(kExtRefTwtaModels, id.UnitModelCode);
    id.CathodeCountFirmware = IsListedPart(kCathodeCountParts, id.FirmwarePartNo);
    if (id.UnitModelCode == 7428)
        id.OduBucUnit = true;
    id.ExtRefModelGroup = IsListedModel(kExtRefModelGroup, id.UnitModelCode);
    SetFirmwareFamily(id);
    GetUnitIDVersion(p, id.UnitModelCode);
    SetUnitTouchScreenOption(p);
}

bool CanUsedBmTripLevels(const CommandContext& p)
{
    const UnitIdentity& id = p.unit.id;
    if (id.UnitModelCode < 0)
        return false;
    if (IsTouchScreenModel(id.UnitModelCode))
        return true;
    if (id.IsTwtaUnit)
        return id.FirmwareVersion100 >= 534;
    if (IsListedModel(kPicDbmModels, id.UnitModelCode))
        return id.FirmwareVersion100 >= 8;
    if (IsListedModel(kAlwaysDbmModels, id.UnitModelCode))
        return true;
    return id.FirmwareVersion100 >= 261;
}
