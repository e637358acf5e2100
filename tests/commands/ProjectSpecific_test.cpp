#include "commands/Identification.h"
#include "commands/ProjectSpecific.h"
#include "app/Program.h"
#include "support/SimUnitProfile.h"
#include "support/TestProgram.h"
#include <gtest/gtest.h>
#include <optional>

namespace {
const std::pair<bool OptionFlags::*, const char*> kFlagNames[] = {
    {&OptionFlags::HasHeaterFault, "Heater"},
    {&OptionFlags::HasPhaseSeqFault, "PhaseSeq"},
    {&OptionFlags::HasMissingPhaseFault, "MissingPhase"},
    {&OptionFlags::HasExtRefPresentFault, "ExtRefPresent"},
    {&OptionFlags::HasWGPressureFault, "WGPressure"},
    {&OptionFlags::HasWGArc1Fault, "WGArc1"},
    {&OptionFlags::HasWGArc2Fault, "WGArc2"},
    {&OptionFlags::HasExtRefLockFault, "ExtRefLock"},
    {&OptionFlags::Has24VPresentFault, "24V"},
    {&OptionFlags::PicProcessorUnit, "Pic"},
    {&OptionFlags::EnetProcessorUnit, "Enet"},
    {&OptionFlags::HasFaultEnableMask2, "Mask2"},
    {&OptionFlags::HasLinearizerFault, "Linearizer"},
    {&OptionFlags::HasExtRefFault, "ExtRef"},
    {&OptionFlags::CommandCSupported, "C"},
    {&OptionFlags::TouchScreenUnit, "Touch"},
};

// The flags that are set, by name, and the attenuator-count prefix.
QString flagsText(const OptionFlags& f)
{
    QStringList set;
    for (const auto& [flag, name] : kFlagNames)
        if (f.*flag)
            set << name;
    set << f.AtnCountCmdPrefix;
    return set.join(' ');
}
}   // namespace

TEST(ProjectSpecific, OptionFlagsPerModelFirmwareAndDate)
{
    struct Case {
        const char* yt;                // type text; null: unanswered
        const char* revision;          // firmware revision; null: no "00" reply
        const char* date;              // compile date
        std::optional<qint32> mask2;   // second word of this connection's fault-enable reply
        QString flags;
        qint32 faultMask2;
    };
    const Case cases[] = {
        {nullptr, nullptr, "", 3, "ExtRef C .D9", 0},
        {nullptr, "1.00", "Oct 31 2008", {}, "ExtRef .D9", 0},
        {"TWTA", "5.00", "", {}, "ExtRefPresent ExtRefLock ExtRef .D9", 0},
        {"TWTA 672-6316-001", "5.00", "", {}, "Heater PhaseSeq MissingPhase WGArc1 WGArc2 ExtRef .D9", 0},
        {"TWTA 672-6341-001", "5.00", "", {}, "Heater PhaseSeq MissingPhase WGArc1 WGArc2 ExtRef .D9", 0},
        {"TWTA 672-6673-001", "5.24", "", 7, "Heater MissingPhase WGArc1 WGArc2 ExtRef .D1", 0},
        {"TWTA 672-6652-001", "5.00", "", {}, "Heater WGPressure ExtRef .D9", 0},
        {"TWTA 672-6613-001", "5.00", "", {}, "Heater ExtRef .D9", 0},
        {"TWTA 672-6129-001", "5.00", "", {}, "Heater ExtRefPresent ExtRefLock ExtRef .D1", 0},
        {"SSPA 672-4471-001", "2.00", "", {}, "ExtRefPresent ExtRefLock 24V ExtRef .D1", 0},
        {"SSPA 672-4487-001", "2.00", "", {}, "ExtRefPresent ExtRefLock 24V ExtRef .D1", 0},
        {"SSPA 672-4491-001", "2.00", "", {}, "Heater ExtRefPresent ExtRefLock ExtRef .D9", 0},
        {"SSPA 672-4546-001", "2.00", "", {}, "ExtRefPresent ExtRefLock ExtRef .D9", 0},
        {"SSPA 672-5806-001", "1.00", "", 5, "Pic Mask2 ExtRef .D9", 5},
        {"SSPA 672-5819-001", "1.00", "", 5, "ExtRefPresent ExtRefLock Pic Mask2 ExtRef .D9", 5},
        {"SSPA 672-7279-001", "1.00", "", {}, "Pic Linearizer ExtRef .D9", 0},
        {"SSPA 672-7261-001", "1.00", "", {}, "Linearizer ExtRef .D9", 0},
        {"SSPA 672-9214-001", "1.00", "", {}, "Enet ExtRef Touch .D9", 0},
        {"SSPA 672-9226-001", "1.00", "", {}, "ExtRef Touch .D9", 0},
        {"SSPA 672-7436-001", "1.00", "", {}, "Enet ExtRef .D9", 0},
        {"SSPA 672-7467-001", "1.00", "", {}, "Enet ExtRef .D9", 0},
        {"TWTA 672-7428-001", "1.00", "Oct 31 2008", {}, "Heater ExtRefPresent ExtRefLock Enet ExtRef C .D1", 0},
        // The second fault-enable word: firmware boundaries, and only when it was received.
        {"SSPA 672-4817-001", "2.55", "", 3, "ExtRef .D1", 0},
        {"SSPA 672-4829-001", "2.56", "", 3, "Mask2 ExtRef .D1", 3},
        {"TWTA 672-1000-001", "5.23", "", 3, "ExtRef .D9", 0},
        {"TWTA 672-1000-001", "5.24", "", 3, "Mask2 ExtRef .D9", 3},
        {"SSPA 672-1000-001", "3.00", "", {}, "ExtRef .D9", 0},
        {"SSPA 672-5363-001", "9.99", "", 3, "ExtRef .D9", 0},
        {"SSPA 672-4952-001", "1.00", "", 3, "Mask2 ExtRef .D1", 3},
        {"SSPA 672-5384-001", "1.00", "", 3, "Mask2 ExtRef .D1", 3},
        // Command "C": builds after 1 November 2008.
        {"SSPA 672-1000-001", "1.00", "Oct 31 2008", {}, "ExtRef .D9", 0},
        {"SSPA 672-1000-001", "1.00", "Nov  1 2008", {}, "ExtRef .D9", 0},
        {"SSPA 672-1000-001", "1.00", "Nov  2 2008", {}, "ExtRef C .D9", 0},
        {"SSPA 672-1000-001", "1.00", "2008-11-02", {}, "ExtRef C .D9", 0},
        {"SSPA 672-1000-001", "1.00", "", {}, "ExtRef .D9", 0},
    };
    for (const Case& c : cases) {
        const QString name = QStringLiteral("%1 / %2 / %3").arg(c.yt, c.revision, c.date);
        TestProgram t;
        Program& p = t.p();
        t.replies = sspaProfile().replies;
        t.replies.remove("YT");
        t.replies.remove("00");
        if (c.yt)
            t.replies["YT"] = QByteArray("YT") + c.yt;
        if (c.revision)
            t.replies["00"] = QByteArray("01000001/S1/") + c.revision + "/" + c.date;
        // Everything set by an earlier unit: each setter must rewrite its flag.
        for (const auto& entry : kFlagNames)
            p.unit.flags.*entry.first = true;
        p.unit.flags.FaultEnableMask2 = 99;
        p.unit.config.EnableMaskReply2 = 99;
        p.unit.config.SecondMaskReceived = true;
        DetermineUnitType(p);
        if (c.mask2) {   // as the fault-enable query of this connection leaves it
            p.unit.config.EnableMaskReply2 = *c.mask2;
            p.unit.config.SecondMaskReceived = true;
        }
        SetProjectSpecificValues(p);
        EXPECT_EQ(flagsText(p.unit.flags), c.flags) << name.toStdString();
        EXPECT_EQ(p.unit.flags.FaultEnableMask2, c.faultMask2) << name.toStdString();
    }
}

TEST(ProjectSpecific, CathodeCurrentDisplayModels)
{
    for (const auto& [code, shown] : {std::pair{9214, true},
                                      {7415, true},
                                      {7428, true},
                                      {7436, true},
                                      {9226, true},
                                      {9238, true},
                                      {7467, false},
                                      {-1, false},
                                      {0, false}}) {
        TestProgram t;
        t.p().unit.id.UnitModelCode = code;
        EXPECT_EQ(HasCathodeCurrentDisplay(t.p()), shown) << code;
    }
}
