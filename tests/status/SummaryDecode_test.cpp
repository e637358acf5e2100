#include "status/IndicatorList.h"
#include "status/SummaryDecode.h"
#include "status/DecodeText.h"
#include <gtest/gtest.h>

using namespace status;
using decodetext::Field;

namespace {

const char* LabelName(SummaryLabel l)
{
    static const char* names[] = {"Label31", "Label32", "Label33",       "Label34",      "Label35",
                                  "Label36", "Label13", "lblSBUCWarmup", "lbllcBucDrive"};
    return names[int(l)];
}

// Rows as "caption" where the decoding names one, else the label's name.
std::string Rows(const SummaryDecoding& d)
{
    std::string out;
    for (const SummaryRow& r : d.rows) {
        out += out.empty() ? "" : "|";
        out += r.caption ? r.caption->toStdString() : LabelName(r.label);
    }
    return out;
}

std::string Hidden(const SummaryDecoding& d)
{
    std::string out;
    for (SummaryLabel l : d.hidden)
        out += (out.empty() ? "" : " ") + std::string(LabelName(l));
    return out;
}

enum Tri { Clear, Ticked, Unchanged };
Tri Of(std::optional<bool> v) { return !v ? Unchanged : *v ? Ticked : Clear; }

struct SummaryCase {
    const char* what;
    bool twta;
    QString field;
    const char* rows;
    const char* hidden;
    Tri chkPS;
    bool remote;
};

const char* AllOptional = "Label34 Label35 Label36 Label13 lblSBUCWarmup lbllcBucDrive";

const SummaryCase SummaryCases[] = {
    {"TWTA standby, auto HV, every optional label", true, Field({0x4F, 0x71, 0x60, 0x60}),
     "Standby|Auto HV On|Remote|Label34|Label35|Label36|Label13|lblSBUCWarmup|lbllcBucDrive", "", Ticked, true},
    {"TWTA FTD, nothing optional", true, "@@@@", "FTD|Local",
     "Label32 Label34 Label35 Label36 Label13 lblSBUCWarmup lbllcBucDrive", Clear, false},
    {"TWTA FTD with auto HV", true, "@A@@", "FTD|Auto HV On|Local",
     "Label34 Label35 Label36 Label13 lblSBUCWarmup lbllcBucDrive", Ticked, false},
    {"TWTA HV On hides auto HV", true, Field({0x54, 0x41, 0x40, 0x40}), "HV On|Remote",
     "Label32 Label34 Label35 Label36 Label13 lblSBUCWarmup lbllcBucDrive", Ticked, true},
    {"TWTA HV On wins over standby", true, Field({0x58, 0x40, 0x40, 0x40}), "HV On|Local",
     "Label32 Label34 Label35 Label36 Label13 lblSBUCWarmup lbllcBucDrive", Ticked, false},
    {"other Vdd On", false, Field({0x50, 0x40, 0x40, 0x40}), "Vdd On|Local", AllOptional, Ticked, false},
    {"other standby ignores B0", false, Field({0x48, 0x41, 0x40, 0x40}), "Standby|Local", AllOptional, Clear, false},
    {"other warmup leaves Transmitter ON", false, "@@@@", "Warmup|Local", AllOptional, Unchanged, false},
    {"other const power and RF inhibit", false, Field({0x57, 0x40, 0x40, 0x40}), "Vdd On|Remote|Label34|Label35",
     "Label36 Label13 lblSBUCWarmup lbllcBucDrive", Ticked, true},
    {"A5, B1 to B3, D3 and D4 carry nothing", false, Field({0x60, 0x4E, 0x40, 0x58}), "Warmup|Local", AllOptional,
     Unchanged, false},
};

}   // namespace

TEST(SummaryDecode, StacksTheStateAndIndicatorLabels)
{
    for (const SummaryCase& c : SummaryCases) {
        SCOPED_TRACE(c.what);
        const SummaryDecoding d = DecodeSummaryField(c.field, c.twta);
        ASSERT_TRUE(d.applies);
        EXPECT_EQ(Rows(d), c.rows);
        EXPECT_EQ(Hidden(d), c.hidden);
        EXPECT_EQ(Of(d.chkPS), c.chkPS);
        EXPECT_EQ(d.RemoteMode, c.remote);
    }
}

TEST(SummaryDecode, ColoursOfTheLabels)
{
    const SummaryDecoding d = DecodeSummaryField(Field({0x4F, 0x71, 0x60, 0x60}), true);
    ASSERT_EQ(d.rows.size(), 9u);
    for (const SummaryRow& r : d.rows) {
        SCOPED_TRACE(LabelName(r.label));
        const QRgb want = r.label == SummaryLabel::Label36         ? qRgb(255, 0, 0)
                          : r.label == SummaryLabel::lbllcBucDrive ? qRgb(255, 102, 0)
                                                                   : qRgb(0, 128, 0);
        EXPECT_EQ(r.colour, want);
    }
}

TEST(SummaryDecode, ConstantPowerAndAutomaticModeFollowTheirBits)
{
    const SummaryDecoding on = DecodeSummaryField(Field({0x42, 0x40, 0x44, 0x40}), false);
    EXPECT_TRUE(on.chkConstPwr);
    EXPECT_TRUE(on.chkAutoMode);
    const SummaryDecoding off = DecodeSummaryField("@@@@", false);
    EXPECT_FALSE(off.chkConstPwr);
    EXPECT_FALSE(off.chkAutoMode);
}

TEST(SummaryDecode, WaveguideSwitchPositions)
{
    struct Case {
        int c;
        std::optional<int> sw1, sw2;
    } cases[] = {
        {0x40, {}, {}}, {0x41, 0, {}}, {0x42, 1, {}}, {0x43, 0, {}},
        {0x48, {}, 0},  {0x50, {}, 1}, {0x58, {}, 0}, {0x5B, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.c);
        const SummaryDecoding d = DecodeSummaryField(Field({0x40, 0x40, c.c, 0x40}), true);
        EXPECT_EQ(d.cmbWgSw1, c.sw1);
        EXPECT_EQ(d.cmbWgSw2, c.sw2);
    }
}

TEST(SummaryDecode, WaveguideConfigurationEntry)
{
    // Configurations 5 and 6 both select the last entry; 7 names none.
    const std::optional<int> want[] = {0, 1, 2, 3, 4, 5, 5, std::nullopt};
    for (int v = 0; v < 8; ++v) {
        SCOPED_TRACE(v);
        EXPECT_EQ(DecodeSummaryField(Field({0x40, 0x40, 0x40, 0x40 | v}), false).cmbWgCfg, want[v]);
        // Bits 3 to 7 of byte D do not enter the number.
        EXPECT_EQ(DecodeSummaryField(Field({0x40, 0x40, 0x40, 0xF8 | v}), false).cmbWgCfg, want[v]);
    }
}

TEST(SummaryDecode, FieldOfAnyOtherLengthChangesNothing)
{
    for (const QString& field : {QString(), QStringLiteral("DDD"), QStringLiteral("DDDDD")}) {
        const SummaryDecoding d = DecodeSummaryField(field, true);
        EXPECT_FALSE(d.applies);
        EXPECT_TRUE(d.rows.empty());
        EXPECT_TRUE(d.hidden.empty());
    }
}
