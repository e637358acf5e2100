#include "status/FaultDecode.h"
#include "status/DecodeText.h"
#include <gtest/gtest.h>

using namespace status;
using decodetext::Field;
using decodetext::Sspa;
using decodetext::Twta;

namespace {

const PanelUnit Sspa8817{.UnitModelCode = 8817};

// Every TWTA label but D5.
const char* TwtaFaultsLooked = "A0 A1 A2 A3 A4 A5 B0 B1 B2 B3 B4 B5 C0 C1 C2 C3 C4 C5 D0 D1 D2 D3 D4";
const char* SspaFaultsLooked = "A0 A1 A2 A3 A4 A5 B0 B1 B2 B3 B4 B5 C4 D1 D3";
const char* Sspa8817FaultsLooked = "A0 A1 A2 A3 A4 A5 B0 B1 B2 B3 B4 B5 C0 C1 C4 D1 D3";

struct FaultCase {
    const char* what;
    PanelUnit unit;
    QString field;
    const char* rows;
    const char* touched;
};

const FaultCase FaultCases[] = {
    {"TWTA all clear", Twta, "@@@@", "", TwtaFaultsLooked},
    {"SSPA all clear", Sspa, "@@@@", "", SspaFaultsLooked},
    {"TWTA A0 and D0", Twta, "A@@A", "A0 D0", TwtaFaultsLooked},
    {"TWTA 12 rows from A and B skip C and D", Twta, "\x7f\x7f\x7f\x7f", "A5 A4 A3 A2 A1 A0 B5 B4 B3 B2 B1 B0",
     TwtaFaultsLooked},
    {"TWTA 9 rows from A and B skip C", Twta, Field({0x7f, 0x47, 0x7f, 0x7f}), "A5 A4 A3 A2 A1 A0 B2 B1 B0",
     TwtaFaultsLooked},
    {"TWTA 8 rows take all of C, then skip D", Twta, Field({0x7f, 0x43, 0x7f, 0x7f}),
     "A5 A4 A3 A2 A1 A0 B1 B0 C5 C4 C3 C2 C1 C0", TwtaFaultsLooked},
    {"TWTA 8 rows before D take all five of D", Twta, Field({0x7f, 0x43, 0x40, 0x7f}),
     "A5 A4 A3 A2 A1 A0 B1 B0 D4 D3 D2 D1 D0", TwtaFaultsLooked},
    {"TWTA never looks at D5", Twta, Field({0x40, 0x40, 0x40, 0x60}), "", TwtaFaultsLooked},
    {"SSPA every bit", Sspa, "\x7f\x7f\x7f\x7f", "A5 A4 A3 A2 A1 A0 B5 B4 B3 B2 B1 B0 C4 D1 D3", SspaFaultsLooked},
    {"SSPA 8817 every bit", Sspa8817, "\x7f\x7f\x7f\x7f", "A5 A4 A3 A2 A1 A0 B5 B4 B3 B2 B1 B0 C4 C1 C0 D1 D3",
     Sspa8817FaultsLooked},
    {"SSPA 8817 C1 and C0", Sspa8817, "@@C@", "C1 C0", Sspa8817FaultsLooked},
    {"SSPA other model leaves C1 and C0", Sspa, "@@C@", "", SspaFaultsLooked},
    {"SSPA D1 before D3", Sspa, "@@@J", "D1 D3", SspaFaultsLooked},
    {"bits 6 and 7 place nothing", Sspa, Field({192, 192, 192, 192}), "", SspaFaultsLooked},
    {"characters after the 4th ignored", Twta, "@@@@\x7f", "", TwtaFaultsLooked},
};

}   // namespace

TEST(FaultDecode, PlacesTheLabelsOfItsFamilyInOrder)
{
    for (const FaultCase& c : FaultCases) {
        SCOPED_TRACE(c.what);
        const FaultDecoding d = DecodeFaultField(c.field, c.unit);
        ASSERT_TRUE(d.list.applies);
        EXPECT_EQ(decodetext::Rows(d.list), c.rows);
        EXPECT_EQ(decodetext::Touched(d.list), c.touched);
        EXPECT_EQ(d.list.emptyRowShown(), d.list.rows.empty());
        // Only a TWTA with a fault shown asks the unit for its RF-inhibit state.
        EXPECT_EQ(d.refreshRfInhibit, c.unit.IsTwtaUnit && !d.list.rows.empty());
    }
}

TEST(FaultDecode, FieldShorterThanFourCharactersChangesNothing)
{
    for (const QString& field : {QString(), QStringLiteral("\x7f\x7f\x7f")}) {
        for (const PanelUnit& unit : {Twta, Sspa}) {
            const FaultDecoding d = DecodeFaultField(field, unit);
            EXPECT_FALSE(d.list.applies);
            EXPECT_TRUE(d.list.rows.empty());
            EXPECT_TRUE(d.list.hidden.empty());
            EXPECT_FALSE(d.list.emptyRowShown());
            EXPECT_FALSE(d.refreshRfInhibit);
        }
    }
}
