#include "status/AlarmDecode.h"
#include "status/DecodeText.h"
#include <gtest/gtest.h>

using namespace status;
using decodetext::Field;
using decodetext::Sspa;
using decodetext::Twta;

namespace {

const PanelUnit Twta4471{.IsTwtaUnit = true, .UnitModelCode = 4471};
const PanelUnit Twta4487{.IsTwtaUnit = true, .UnitModelCode = 4487};
const PanelUnit TwtaLegacy{.IsTwtaUnit = true, .UnitModelCode = 4817, .LegacyStatusQuery = true};
const PanelUnit SspaLldp{.UnitModelCode = 1234, .LldpFirmware = true};
const PanelUnit SspaLegacy{.UnitModelCode = 1234, .LegacyStatusQuery = true};

const char* TwtaAlarmsLooked = "A0 A1 A3 A4 A5 B1 C2 C3 C4 C5 D0 D1 D2";
const char* Twta4471Looked = "A0 A1 A2 A3 A4 A5 B1 C2 C3 C4 C5 D0 D1 D2";
const char* SspaAlarmsLooked = "A0 A2 A3 A4 A5 B1 B2 C2 C3 C4 C5 D0 D1";
const char* SspaLldpLooked = "A0 A2 A3 A4 A5 B0 B1 B2 C2 C3 C4 C5 D0 D1";
const char* LegacyTwtaLooked = "A0 A1 A3 A4 A5";
const char* LegacySspaLooked = "A0 A2 A3 A4 A5";

struct AlarmCase {
    const char* what;
    PanelUnit unit;
    QString field;
    const char* rows;      // labels shown, in row order
    const char* touched;   // labels shown or hidden; every other label is left alone
};

const AlarmCase AlarmCases[] = {
    {"TWTA all clear", Twta, "@@@@", "", TwtaAlarmsLooked},
    {"SSPA all clear", Sspa, "@@@@", "", SspaAlarmsLooked},
    {"TWTA A5 and A0", Twta, Field({0x61, 0x40, 0x40, 0x40}), "A5 A0", TwtaAlarmsLooked},
    {"TWTA 4471 takes A2", Twta4471, "D@@@", "A2", Twta4471Looked},
    {"TWTA 4487 takes A2", Twta4487, "D@@@", "A2", Twta4471Looked},
    {"TWTA other model leaves A2 alone", Twta, "D@@@", "", TwtaAlarmsLooked},
    {"TWTA A1 takes a row", Twta, "B@@@", "A1", TwtaAlarmsLooked},
    {"SSPA never looks at A1", Sspa, "B@@@", "", SspaAlarmsLooked},
    {"SSPA B0 without LLDP", Sspa, "@A@@", "", SspaAlarmsLooked},
    {"SSPA B0 with LLDP", SspaLldp, "@A@@", "B0", SspaLldpLooked},
    {"SSPA byte B counts upwards", SspaLldp, "@G@@", "B0 B1 B2", SspaLldpLooked},
    {"bits 6 and 7 place nothing", Twta, Field({192, 192, 192, 192}), "", TwtaAlarmsLooked},
    {"TWTA every bit", Twta4471, "\x7f\x7f\x7f\x7f", "A5 A4 A3 A2 A1 A0 B1 C5 C4 C3 C2 D2 D1 D0", Twta4471Looked},
    {"SSPA every bit, LLDP", SspaLldp, "\x7f\x7f\x7f\x7f", "A5 A4 A3 A2 A0 B0 B1 B2 C5 C4 C3 C2 D1 D0", SspaLldpLooked},
    {"SSPA every bit", Sspa, "\x7f\x7f\x7f\x7f", "A5 A4 A3 A2 A0 B1 B2 C5 C4 C3 C2 D1 D0", SspaAlarmsLooked},
    {"TWTA legacy one character", TwtaLegacy, "\x7f", "A5 A4 A3 A1 A0", LegacyTwtaLooked},
    {"SSPA legacy one character", SspaLegacy, "\x7f", "A5 A4 A3 A2 A0", LegacySspaLooked},
    {"legacy ignores bytes B to D", TwtaLegacy, "@\x7f\x7f\x7f", "", LegacyTwtaLooked},
    {"short field: missing bytes clear", Twta, "\x7f\x7f", "A5 A4 A3 A1 A0 B1", TwtaAlarmsLooked},
    {"characters after the 4th ignored", Sspa, "@@@@\x7f", "", SspaAlarmsLooked},
};

}   // namespace

TEST(AlarmDecode, PlacesTheLabelsOfItsFamilyInOrder)
{
    for (const AlarmCase& c : AlarmCases) {
        SCOPED_TRACE(c.what);
        const ListDecoding d = DecodeAlarmField(c.field, c.unit);
        ASSERT_TRUE(d.applies);
        EXPECT_EQ(decodetext::Rows(d), c.rows);
        EXPECT_EQ(decodetext::Touched(d), c.touched);
        EXPECT_EQ(d.emptyRowShown(), d.rows.empty());
    }
}

TEST(AlarmDecode, EmptyFieldChangesNothing)
{
    for (const PanelUnit& unit : {Twta, Sspa, TwtaLegacy}) {
        const ListDecoding d = DecodeAlarmField(QString(), unit);
        EXPECT_FALSE(d.applies);
        EXPECT_TRUE(d.rows.empty());
        EXPECT_TRUE(d.hidden.empty());
        EXPECT_FALSE(d.emptyRowShown());
    }
}
