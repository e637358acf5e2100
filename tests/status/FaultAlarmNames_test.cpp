#include "status/FaultAlarmNames.h"
#include <QStringList>
#include <gtest/gtest.h>

using namespace status;

namespace {

QString At(const LabelCaptions& c, int byte, int bit) { return c[BitLabel{byte, bit}.index()]; }

// The 24 captions, A0..D5, joined by "|".
QString Joined(const LabelCaptions& c) { return QStringList(c.begin(), c.end()).join('|'); }

const NameInputs PlainTwta{.IsTwtaUnit = true, .UnitModelCode = 4817};
const NameInputs PlainSspa{.UnitModelCode = 1234};

}   // namespace

TEST(FaultAlarmNames, DesignCaptions)
{
    EXPECT_EQ(DesignCaption(ListKind::Fault, {0, 0}), "Fault A bit 0");
    EXPECT_EQ(DesignCaption(ListKind::Fault, {3, 5}), "Fault D bit 5");
    EXPECT_EQ(DesignCaption(ListKind::Alarm, {2, 3}), "Alarm C bit 3");
}

TEST(FaultAlarmNames, EveryFaultCaptionOfAPlainUnit)
{
    EXPECT_EQ(Joined(FaultNames(PlainTwta)),
              "Low Line|Fan Fault|HV Over|Over Temp|Helix Arc|Helix Arc Latch|"
              "Waveguide Arc|RF High|RF Low|Ext Interlock|Reflected RF|HV Under|"
              "Fault C bit 0|Fault C bit 1|Fault C bit 2|Fast VSWR|Cover Interlock|Fault C bit 5|"
              "Thrm Interlock|Over Drive|Fault D bit 2|Pwr Limit|Up Converter|Fault D bit 5");
    // No caption of a TWTA is left on a unit of another family.
    EXPECT_EQ(Joined(FaultNames(PlainSspa)),
              "Low Line|Fan Fault|DCV Input|Over Temp|Up Converter|Fault A bit 5|"
              "Waveguide Arc|RF High|RF Low|Ext Interlock|Reflected RF|Power Supply|"
              "Fault C bit 0|Fault C bit 1|Fault C bit 2|Fast VSWR|Cover Interlock|Fault C bit 5|"
              "Fault D bit 0|Fault D bit 1|Fault D bit 2|Pwr Limit|Fault D bit 4|Fault D bit 5");
}

TEST(FaultAlarmNames, TwtaModelRows)
{
    const QString keep;   // the design caption
    struct Case {
        const char* what;
        NameInputs unit;
        QStringList c0_c1_c2_c3_c5_d2_d5;
    } cases[] = {
        {"6316",
         {.IsTwtaUnit = true, .UnitModelCode = 6316},
         {"Missing Phase", "Phase Sequence", "Heater", "Fast VSWR", keep, keep, keep}},
        {"6341 with two tubes",
         {.IsTwtaUnit = true, .UnitModelCode = 6341, .DualTwtaUnit = true},
         {"Missing Phase", "Phase Sequence", "Heater", "Fast VSWR", keep, keep, keep}},
        {"two tubes",
         {.IsTwtaUnit = true, .UnitModelCode = 4471, .DualTwtaUnit = true},
         {"HV Over 2", "Over Temp 2", "Helix Arc 2", "Helix Arc Latch 2", "HV Under 2", "Power Mismatch", keep}},
        {"6327",
         {.IsTwtaUnit = true, .UnitModelCode = 6327},
         {keep, keep, keep, "Fast VSWR", keep, "Analog Input", keep}},
        {"8718", {.IsTwtaUnit = true, .UnitModelCode = 8718}, {keep, keep, "Heater", "Fast VSWR", keep, keep, keep}},
        {"4471",
         {.IsTwtaUnit = true, .UnitModelCode = 4471},
         {"ExtRef Lock", "ExtRef Pres", "24V Present", "Fast VSWR", keep, keep, "Return Loss"}},
        {"4487",
         {.IsTwtaUnit = true, .UnitModelCode = 4487},
         {"ExtRef Lock", "ExtRef Pres", "24V Present", "Fast VSWR", keep, keep, "Return Loss"}},
        {"external reference model",
         {.IsTwtaUnit = true, .UnitModelCode = 9999, .ExtRefTwtaModel = true},
         {"ExtRef Lock", "ExtRef Pres", "Heater", "Fast VSWR", keep, keep, "Return Loss"}},
        {"4491",
         {.IsTwtaUnit = true, .UnitModelCode = 4491},
         {"ExtRef Lock", "ExtRef Pres", "Heater", "Fast VSWR", keep, keep, "Return Loss"}},
        {"7261",
         {.IsTwtaUnit = true, .UnitModelCode = 7261},
         {keep, "Aux Supply", "Heater", "Fast VSWR", "Linearizer", keep, keep}},
        {"6652",
         {.IsTwtaUnit = true, .UnitModelCode = 6652},
         {keep, "WG Pressure", "Heater", "Fast VSWR", keep, keep, "Return Loss"}},
        {"8863",
         {.IsTwtaUnit = true, .UnitModelCode = 8863},
         {"ExtRef Lock", "ExtRef Pres", keep, "Fast VSWR", keep, keep, "Return Loss"}},
        {"4546",
         {.IsTwtaUnit = true, .UnitModelCode = 4546},
         {"ExtRef Lock", "ExtRef Pres", keep, "Fast VSWR", keep, keep, "Return Loss"}},
        {"7428",
         {.IsTwtaUnit = true, .UnitModelCode = 7428},
         {"ExtRef Lock", "ExtRef Pres", "Heater", "Fast VSWR", keep, keep, keep}},
        {"model 0",
         {.IsTwtaUnit = true, .UnitModelCode = 0},
         {"ExtRef Lock", "ExtRef Pres", keep, "Fast VSWR", keep, keep, "Return Loss"}},
        {"6093",
         {.IsTwtaUnit = true, .UnitModelCode = 6093},
         {"ExtRef Lock", "ExtRef Pres", keep, "Fast VSWR", keep, keep, "Return Loss"}},
        {"5819",
         {.IsTwtaUnit = true, .UnitModelCode = 5819},
         {"ExtRef Lock", "ExtRef Pres", keep, "Fast VSWR", keep, keep, "Return Loss"}},
        {"no row", PlainTwta, {keep, keep, keep, "Fast VSWR", keep, keep, keep}},
    };
    const BitLabel labels[] = {{2, 0}, {2, 1}, {2, 2}, {2, 3}, {2, 5}, {3, 2}, {3, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const LabelCaptions names = FaultNames(c.unit);
        for (int i = 0; i < 7; ++i) {
            const QString want = c.c0_c1_c2_c3_c5_d2_d5[i].isEmpty() ? DesignCaption(ListKind::Fault, labels[i])
                                                                     : c.c0_c1_c2_c3_c5_d2_d5[i];
            EXPECT_EQ(names[labels[i].index()], want) << labels[i].index();
        }
    }
}

TEST(FaultAlarmNames, OtherFamiliesByModelAndFirmware)
{
    const LabelCaptions lldp = FaultNames({.UnitModelCode = 1234, .LldpFirmware = true});
    EXPECT_EQ(At(lldp, 0, 1), "Prime Power");
    EXPECT_EQ(At(lldp, 0, 5), "Over Current");
    EXPECT_EQ(At(lldp, 1, 0), "Inhibit Fail");
    EXPECT_EQ(At(lldp, 2, 0), "Tx Off Fail");
    EXPECT_EQ(At(lldp, 3, 1), "Inp Over Drive");

    // The external-reference models take C0 and C1 instead of the drive name.
    for (qint32 model : {8817, 8871, 8835}) {
        SCOPED_TRACE(model);
        const LabelCaptions names =
            FaultNames({.UnitModelCode = model, .LldpFirmware = true, .DrivePowerSupported = true});
        EXPECT_EQ(At(names, 2, 0), "ExtRef Lock");
        EXPECT_EQ(At(names, 2, 1), "ExtRef Pres");
        EXPECT_EQ(At(names, 3, 1), "Fault D bit 1");
        EXPECT_EQ(At(names, 0, 1), "Prime Power");
    }

    // Any one of the drive firmware flags names D1.
    const NameInputs drive[] = {{.UnitModelCode = 1, .NoSubBandCompFirmware = true},
                                {.UnitModelCode = 1, .InputDriveFirmware = true},
                                {.UnitModelCode = 1, .DrivePowerSupported = true}};
    for (const NameInputs& u : drive)
        EXPECT_EQ(At(FaultNames(u), 3, 1), "Inp Over Drive");
    EXPECT_EQ(At(FaultNames(PlainSspa), 3, 1), "Fault D bit 1");
}

TEST(FaultAlarmNames, EveryAlarmCaption)
{
    EXPECT_EQ(Joined(AlarmNames(PlainTwta)),
              "DCV Low||DCV Input|Reflected RF|RF Low|RF High|"
              "Pwr Mismatch|Fan Speed|Low Gain|Alarm B bit 3|Alarm B bit 4|Alarm B bit 5|"
              "Alarm C bit 0|Alarm C bit 1|Ext Ref Pres|Low Drive|Cst Pwr Susp|High Drive|"
              "Overdrive|High Temp|Chk Fins|Alarm D bit 3|Alarm D bit 4|Alarm D bit 5");
    // Alarm names do not depend on the family.
    EXPECT_EQ(AlarmNames(PlainTwta), AlarmNames({.UnitModelCode = 4817}));
}

TEST(FaultAlarmNames, AlarmA2AndB0)
{
    struct Case {
        NameInputs unit;
        const char* a2;
        const char* b0;
    } cases[] = {
        {{.IsTwtaUnit = true, .UnitModelCode = 4471}, "TLT Alarm", "Pwr Mismatch"},
        {{.IsTwtaUnit = true, .UnitModelCode = 4471, .LldpFirmware = true}, "TLT Alarm", "Sys Power"},
        {{.IsTwtaUnit = true, .UnitModelCode = 4487}, "DCV Input", "Pwr Mismatch"},
        {{.IsTwtaUnit = true, .UnitModelCode = 4487, .LldpFirmware = true}, "Inhibit Fail", "Sys Power"},
        {{.UnitModelCode = 4471}, "TLT Alarm", "Pwr Mismatch"},
        {{.UnitModelCode = 1234, .LldpFirmware = true}, "Inhibit Fail", "Sys Power"},
    };
    for (const Case& c : cases) {
        const LabelCaptions names = AlarmNames(c.unit);
        EXPECT_EQ(At(names, 0, 2), c.a2);
        EXPECT_EQ(At(names, 1, 0), c.b0);
    }
}
