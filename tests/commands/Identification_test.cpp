#include "commands/Identification.h"
#include "commands/ProjectSpecific.h"
#include "app/Program.h"
#include "support/SimUnitProfile.h"
#include "support/TestProgram.h"
#include <gtest/gtest.h>

namespace {
// Replies of `profile` with the identity commands replaced (null: unanswered).
void script(TestProgram& t, const SimUnitProfile& profile, const char* yt, const char* id00, const char* id0c)
{
    t.replies = profile.replies;
    const std::pair<QByteArray, const char*> overrides[] = {{"YT", yt}, {"00", id00}, {"0C", id0c}};
    for (const auto& [command, data] : overrides) {
        if (data)
            t.replies[command] = data;
        else
            t.replies.remove(command);
    }
}

// The model and firmware families that are set, by name.
QString families(const Program& p)
{
    const UnitIdentity& id = p.unit.id;
    const std::pair<bool, const char*> all[] = {
        {id.ExtRefTwtaModel, "ExtRefTwta"},
        {id.ExtRefModelGroup, "ExtRefGroup"},
        {id.CathodeCountFirmware, "CathodeCount"},
        {id.NoSubBandCompFirmware, "NoSubBandComp"},
        {id.InputDriveFirmware, "InputDrive"},
        {id.LldpFirmware, "Lldp"},
        {id.OduBucUnit, "OduBuc"},
        {p.unit.flags.TouchScreenUnit, "TouchScreen"},
    };
    QStringList set;
    for (const auto& [on, name] : all)
        if (on)
            set << name;
    return set.join(' ');
}
}   // namespace

TEST(Identification, IdentityValuesFromTheIdentityReplies)
{
    struct Case {
        const char* name;
        bool twtaProfile;
        const char* yt;     // "YT" reply data; null: unanswered
        const char* id00;   // "00" reply data
        const char* id0c;   // "0C" reply data
        bool isTwta;
        qint32 modelCode;
        QString firmwarePartNo, txtPN, serialNo, txtSN, txtFrmRev, txtCplDate;
        qint32 version100;
        QString cpld;
        bool dbm;
    };
    const QString prior = "?";   // what every box held before (no version in it)
    const Case cases[] = {
        {"no type text", true, nullptr, "06316-003/T1/5.34/Nov  2 2008", "0C1.4", true, -1, "", "291-6316-003", "T1",
         "T1", "5.34", "Nov  2 2008", 534, "1.4", false},
        {"empty type text", true, "YT", "06316-003/T1/5.34/", nullptr, true, -1, "", "291-6316-003", "T1", "T1", "5.34",
         prior, 534, "", false},
        {"lower-case type text", true, "YTtwta 672-6316-003", "06316-003/T1/5.34/", "0C1.4", false, 6316,
         "672-6316-003", "291-6316-003", "T1", "T1", "5.34", prior, 534, "1.4", true},
        {"part number after a word", false, "YTSSPA 672-7436-005", "07436005/S1/2.61/Nov  2 2008", "0C2.0", false, 7436,
         "672-7436-005", "291-7436-005", "S1", "S1", "2.61", "Nov  2 2008", 261, "2.0", true},
        {"part number at the start", false, "YT672-7436-005", "07436005/S1/2.60/", "0C2.0", false, 7436, "",
         "291-7436-005", "S1", "S1", "2.60", prior, 260, "2.0", false},
        {"pattern fails, dash rule", false, "YTS 672-74X6-005", "07436005/S1/2.61/", "0C2.0", false, 74, "",
         "291-7436-005", "S1", "S1", "2.61", prior, 261, "2.0", true},
        {"no model group", true, "YTTWTA", "06316-003/T1/5.34/", "0C", true, 0, "", "291-6316-003", "T1", "T1", "5.34",
         prior, 534, "", true},
        {"7 characters, 286 prefix", false, "YTSSPA 672-7415-004", "07415004/S1/2.61/", "0C2.0", false, 7415,
         "672-7415-004", "286-7415-004", "S1", "S1", "2.61", prior, 261, "2.0", true},
        {"8 characters", false, "YTSSPA 672-7436-005", "07436-005/S1/2.61/", "0C2.0", false, 7436, "672-7436-005",
         "291-7436-005", "S1", "S1", "2.61", prior, 261, "2.0", true},
        {"8 characters, 286 prefix", false, "YTSSPA 672-7415-004", "07415-004/S1/2.61/", "0C2.0", false, 7415,
         "672-7415-004", "286-7415-004", "S1", "S1", "2.61", prior, 261, "2.0", true},
        {"9 characters lose the first", false, "YTSSPA 672-7436-005", "0X7436-005/S1/2.61/", "0C2.0", false, 7436,
         "672-7436-005", "291-7436-005", "S1", "S1", "2.61", prior, 261, "2.0", true},
        {"9 characters, 286 prefix", false, "YTSSPA 672-7415-004", "0X7415-004/S1/2.61/", "0C2.0", false, 7415,
         "672-7415-004", "286-7415-004", "S1", "S1", "2.61", prior, 261, "2.0", true},
        {"12 characters stay", false, "YTSSPA 672-7415-004", "0286-7415-004/S1/2.61/", "0C2.0", false, 7415,
         "672-7415-004", "286-7415-004", "S1", "S1", "2.61", prior, 261, "2.0", true},
        {"empty serial", false, "YTSSPA 672-7436-005", "07436005//2.61/", "0C2.0", false, 7436, "672-7436-005",
         "291-7436-005", "00000", prior, "2.61", prior, 261, "2.0", true},
        {"revision 5.34 on a TWTA", true, "YTTWTA 672-6316-003", "06316-003/T1/5.34/", "0C1.4", true, 6316,
         "672-6316-003", "291-6316-003", "T1", "T1", "5.34", prior, 534, "1.4", true},
        {"revision 5.33 on a TWTA", true, "YTTWTA 672-6316-003", "06316-003/T1/5.33/", "0C1.4", true, 6316,
         "672-6316-003", "291-6316-003", "T1", "T1", "5.33", prior, 533, "1.4", false},
        {"lettered revision", true, "YTTWTA 672-6316-003", "06316-003/T1/E.CE/", "0C1.4", true, 6316, "672-6316-003",
         "291-6316-003", "T1", "T1", "E.CE", prior, 424, "1.4", false},
        {"revision without a point", false, "YTSSPA 672-4817-001", "04817001/S1/261/", "0C2.0", false, 4817,
         "672-4817-001", "291-4817-001", "S1", "S1", "261", prior, 261, "2.0", true},
        {"revision 2.60 on an SSPA", false, "YTSSPA 672-4817-001", "04817001/S1/2.60/", "0C2.0", false, 4817,
         "672-4817-001", "291-4817-001", "S1", "S1", "2.60", prior, 260, "2.0", false},
        {"PIC unit counts from 8", false, "YTSSPA 672-5819-001", "05819001/S1/8/", "0C2.0", false, 5819, "672-5819-001",
         "291-5819-001", "S1", "S1", "8", prior, 8, "2.0", true},
        {"touch-screen unit always", false, "YTSSPA 672-9226-001", "09226001/S1/1.00/", "0C2.0", false, 9226,
         "672-9226-001", "291-9226-001", "S1", "S1", "1.00", prior, 100, "2.0", true},
        {"revision without a compile date", false, "YTSSPA 672-7436-005", "07436005/S1/3.05", "0C2.0", false, 7436,
         "672-7436-005", "291-7436-005", "S1", "S1", "3.05", prior, 305, "2.0", true},
        {"no 00 reply", false, "YTSSPA 672-7436-005", nullptr, "0X2.0", false, 7436, "672-7436-005", prior, "old",
         prior, prior, prior, 0, "", false},
        {"00 reply without slashes", false, "YTSSPA 672-7436-005", "07436005", "0C2.0", false, 7436, "672-7436-005",
         prior, "00000", prior, prior, prior, 0, "2.0", false},
    };
    for (const Case& c : cases) {
        TestProgram t;
        script(t, c.twtaProfile ? twtaProfile() : sspaProfile(), c.yt, c.id00, c.id0c);
        Program& p = t.p();
        p.unit.id.boxes = {prior, prior, prior, prior};
        p.unit.id.UnitSerialNo = "old";
        p.unit.id.FirmwarePartNo = "672-9999-999";   // an earlier unit's
        DetermineUnitType(p);
        const UnitIdentity& id = p.unit.id;
        EXPECT_EQ(id.IsTwtaUnit, c.isTwta) << c.name;
        EXPECT_EQ(id.UnitModelCode, c.modelCode) << c.name;
        EXPECT_EQ(id.FirmwarePartNo, c.firmwarePartNo) << c.name;
        EXPECT_EQ(id.ReportedFwPartNo, c.firmwarePartNo) << c.name;
        EXPECT_EQ(id.boxes.txtPN, c.txtPN) << c.name;
        EXPECT_EQ(id.UnitSerialNo, c.serialNo) << c.name;
        EXPECT_EQ(id.boxes.txtSN, c.txtSN) << c.name;
        EXPECT_EQ(id.boxes.txtFrmRev, c.txtFrmRev) << c.name;
        EXPECT_EQ(id.boxes.txtCplDate, c.txtCplDate) << c.name;
        EXPECT_EQ(id.FirmwareVersion100, c.version100) << c.name;
        EXPECT_EQ(id.CpldVersion, c.cpld) << c.name;
        EXPECT_EQ(CanUsedBmTripLevels(p), c.dbm) << c.name;
        // "0C" and "00" are sent whatever the type text gave.
        EXPECT_TRUE(t.commands.contains("0C") && t.commands.contains("00")) << c.name;
    }
}

TEST(Identification, FirmwareVersionIsTakenFromTheBoxWithoutA00Reply)
{
    // Without a "00" reply the box keeps its text, and the version follows it.
    TestProgram t;
    script(t, twtaProfile(), "YTTWTA 672-6316-003", nullptr, nullptr);
    t.p().unit.id.boxes.txtFrmRev = "5.40";
    DetermineUnitType(t.p());
    EXPECT_EQ(t.p().unit.id.FirmwareVersion100, 540);
}

TEST(Identification, ModelAndFirmwareFamilies)
{
    struct Case {
        const char* yt;
        QString families;
    };
    const Case cases[] = {
        {"YTTWTA 672-6129-004", "ExtRefTwta CathodeCount"},
        {"YTTWTA 672-6129-006", "ExtRefTwta CathodeCount"},
        {"YTTWTA 672-6129-007", "ExtRefTwta"},
        {"YTTWTA 672-6046-001", "ExtRefTwta ExtRefGroup"},
        {"YTTWTA 672-6093-001", "ExtRefGroup"},
        {"YTSSPA 672-5819-001", "ExtRefGroup"},
        {"YTTWTA", "ExtRefGroup"},
        {"YTSSPA 672-7436-001", "NoSubBandComp"},
        {"YTSSPA 672-7436-006", "NoSubBandComp"},
        {"YTSSPA 672-7436-007", ""},
        {"YTSSPA 672-7415-004", "InputDrive"},
        {"YTSSPA 672-7415-003", ""},
        {"YTSSPA 672-7467-001", "Lldp"},
        {"YTSSPA 672-7467-002", "Lldp"},
        {"YTTWTA 672-7428-001", "OduBuc"},
        {"YTSSPA 672-9214-001", "TouchScreen"},
        {"YTSSPA 672-9238-001", "TouchScreen"},
        {"YT672-7467-001", ""},   // part number at the start: no firmware family
    };
    for (const Case& c : cases) {
        TestProgram t;
        script(t, sspaProfile(), c.yt, "07436005/S1/2.61/", "0C2.0");
        DetermineUnitType(t.p());
        EXPECT_EQ(families(t.p()), c.families) << c.yt;
    }
}

TEST(Identification, TouchScreenModelsAlsoRead0S)
{
    for (const auto& [yt, sends0S] : {std::pair{"YTSSPA 672-9214-001", true},
                                      {"YTSSPA 672-9226-001", true},
                                      {"YTSSPA 672-9238-001", true},
                                      {"YTSSPA 672-9250-001", false}}) {
        TestProgram t;
        script(t, sspaProfile(), yt, "09214001/S1/1.00/", "0C2.0");
        DetermineUnitType(t.p());
        EXPECT_EQ(t.commands.contains("0S"), sends0S) << yt;
    }
}

TEST(Identification, ASecondUnitKeepsNoTraceOfTheFirst)
{
    TestProgram t;
    Program& p = t.p();
    t.replies = sspaProfile().replies;   // network-discovery firmware family
    DetermineUnitType(p);
    p.unit.config.EnableMaskReply2 = 7;   // its fault-enable reply carried a second word
    p.unit.config.SecondMaskReceived = true;
    SetProjectSpecificValues(p);
    ASSERT_TRUE(p.unit.id.LldpFirmware);
    ASSERT_TRUE(p.unit.flags.EnetProcessorUnit);
    ASSERT_TRUE(p.unit.flags.HasFaultEnableMask2);
    ASSERT_EQ(p.unit.id.CpldVersion, "2.0");

    t.replies = olderSspaProfile().replies;   // no firmware part number, no "0C", one mask
    DetermineUnitType(p);
    SetProjectSpecificValues(p);
    const UnitIdentity& id = p.unit.id;
    EXPECT_EQ(id.UnitModelCode, 4817);
    EXPECT_EQ(id.FirmwarePartNo, "");
    EXPECT_EQ(id.ReportedFwPartNo, "");
    EXPECT_EQ(families(p), "");
    EXPECT_EQ(id.CpldVersion, "");
    EXPECT_EQ(id.UnitSerialNo, "S00017");
    EXPECT_EQ(id.boxes.txtPN, "291-4817-001");
    EXPECT_EQ(id.FirmwareVersion100, 261);
    EXPECT_FALSE(p.unit.flags.EnetProcessorUnit);
    EXPECT_FALSE(p.unit.flags.HasFaultEnableMask2);
    EXPECT_EQ(p.unit.flags.FaultEnableMask2, 0);
    EXPECT_EQ(p.unit.flags.AtnCountCmdPrefix, ".D1");
}
