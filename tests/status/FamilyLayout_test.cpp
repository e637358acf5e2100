#include "QStringPrint.h"
#include "status/FamilyLayout.h"
#include <QStringList>
#include <gtest/gtest.h>

using namespace layout;

TEST(FamilyLayout, FirmwareDateTest)
{
    const std::pair<const char*, bool> cases[] = {
        {"Dec  5 2007", false}, {"Dec  6 2007", true},  {"12/6/2007", true}, {"2007-12-05", false},
        {"Nov  2 2008", true},  {"Jan  1 1999", false}, {"", false},         {"5.34", false},
        {"Feb 30 2010", false},
    };
    for (const auto& [date, passes] : cases)
        EXPECT_EQ(FirmwareDateAfterCutoff(date), passes) << date;
}

TEST(FamilyLayout, FullFaultLog)
{
    struct Case {
        qint32 model;
        bool dated, paramLog;
        qint16 size;
        MenuChange menu;
    };
    const Case cases[] = {
        {7428, false, false, 1000, MenuChange::Show}, {7428, true, true, 1000, MenuChange::Show},
        {7415, true, false, 100, MenuChange::Leave},  {7453, false, true, 100, MenuChange::Leave},
        {6316, true, true, 500, MenuChange::Show},    {6316, true, false, 1000, MenuChange::Show},
        {6316, false, true, 100, MenuChange::Hide},   {6316, false, false, 100, MenuChange::Hide},
    };
    for (const Case& c : cases) {
        const FullFaultLog f = FullFaultLogFor(c.model, c.dated, c.paramLog);
        EXPECT_EQ(f.size, c.size) << c.model << c.dated << c.paramLog;
        EXPECT_EQ(f.menu, c.menu) << c.model << c.dated << c.paramLog;
    }
}

TEST(FamilyLayout, TubeLifeCaption)
{
    EXPECT_EQ(TwtLifeCaption("12"), "12 Years");
    EXPECT_EQ(TwtLifeCaption("06M"), "06 Months");
    for (const char* odd : {"", "1", "1234", "15000"})
        EXPECT_EQ(TwtLifeCaption(odd), "???") << odd;
}

TEST(FamilyLayout, FeatureMenusFromTheirAnswers)
{
    struct Case {
        MenuDecision (*decide)(qint16);
        qint16 value;
        MenuChange visibility;
        std::optional<bool> checked;
    };
    const Case cases[] = {
        {AutoHVDisableMenu, -1, MenuChange::Hide, std::nullopt},
        {AutoHVDisableMenu, 0, MenuChange::Show, true},
        {AutoHVDisableMenu, 1, MenuChange::Show, false},
        // RF-inhibit invert: ticked exactly when the unit reports its input inverted.
        {RfiInvertMenu, -1, MenuChange::Hide, std::nullopt},
        {RfiInvertMenu, 1, MenuChange::Show, true},
        {RfiInvertMenu, 0, MenuChange::Show, false},
        {HeaterMenu, -1, MenuChange::Leave, std::nullopt},
        {HeaterMenu, 0, MenuChange::Show, false},
        {HeaterMenu, 2, MenuChange::Show, true},
    };
    for (const Case& c : cases) {
        const MenuDecision d = c.decide(c.value);
        EXPECT_EQ(d.visibility, c.visibility) << c.value;
        EXPECT_EQ(d.checked, c.checked) << c.value;
    }
}

TEST(FamilyLayout, HelixHeaterCaptions)
{
    const auto dual = HelixHeaterCaptionsFor(true, false);
    EXPECT_EQ(QStringList({dual.Label85, dual.Label86, dual.Label88, dual.Label90, *dual.Label9, *dual.Label10}),
              QStringList({"Hlx1 V:", "Hlx1 I:", "Hlx2 V:", "kV", "Hlx2 I:", "mA"}));
    EXPECT_TRUE(dual.secondRowShown);

    const auto heater = HelixHeaterCaptionsFor(false, true);
    EXPECT_EQ(
        QStringList({heater.Label85, heater.Label86, heater.Label88, heater.Label90, *heater.Label9, *heater.Label10}),
        QStringList({"Hlx V:", "Hlx I:", "Htr V:", "V", "Htr I:", "A"}));
    EXPECT_TRUE(heater.secondRowShown);

    const auto single = HelixHeaterCaptionsFor(false, false);
    EXPECT_EQ(single.Label88, "Htr V:");
    EXPECT_FALSE(single.Label9);
    EXPECT_FALSE(single.secondRowShown);

    for (qint32 model : {6316, 6341, 4817, 7428, 6652})
        EXPECT_TRUE(HasDualHelixDisplay(model, false)) << model;
    EXPECT_FALSE(HasDualHelixDisplay(7436, false));
    EXPECT_TRUE(HasDualHelixDisplay(7436, true));
}

TEST(FamilyLayout, CathodeCurrentValues)
{
    EXPECT_TRUE(CathodeModeFor(1).displayShown());
    for (qint16 mode : {0, -1})
        EXPECT_FALSE(CathodeModeFor(mode).displayShown()) << mode;
    EXPECT_FALSE(CathodeModeFor(1).monitor);
    EXPECT_EQ(LimitCathodeScalar(5000), 4095);
    EXPECT_EQ(LimitCathodeScalar(-3), 0);
    EXPECT_EQ(LimitCathodeScalar(2048), 2048);
    EXPECT_EQ(AnodeVoltageKept(1200, false), 1200);
    EXPECT_EQ(AnodeVoltageKept(-1, false), 0);
    EXPECT_EQ(AnodeVoltageKept(-1, true), -1);
}

TEST(FamilyLayout, SolidStateFrames)
{
    struct Case {
        const char* name;
        SenseUnit unit;
        SenseFrameForm form;
        bool menu;
    };
    const Case cases[] = {
        {"old firmware", {7467, 199, false, false, false}, SenseFrameForm::CurrentSense, true},
        {"network processor", {7467, 199, true, false, true}, SenseFrameForm::Hidden, false},
        {"network processor monitoring DC input", {5942, 300, true, true, true}, SenseFrameForm::Hidden, false},
        {"model 5363", {5363, 100, false, false, false}, SenseFrameForm::Hidden, false},
        {"model 5384", {5384, 100, false, false, false}, SenseFrameForm::Hidden, false},
        {"new firmware", {7467, 200, false, false, true}, SenseFrameForm::Hidden, false},
        {"5942 above 2.56 with DC input", {5942, 257, false, false, true}, SenseFrameForm::DcInput, false},
        {"5942 at 2.56", {5942, 256, false, false, true}, SenseFrameForm::Hidden, false},
        {"PIC processor with DC input", {7467, 150, false, true, true}, SenseFrameForm::DcInput, false},
        {"PIC processor without DC input", {7467, 150, false, true, false}, SenseFrameForm::Hidden, false},
    };
    for (const Case& c : cases) {
        const SenseFrame f = SenseFrameFor(c.unit);
        EXPECT_EQ(f.form, c.form) << c.name;
        EXPECT_EQ(f.currentSenseMenuShown, c.menu) << c.name;
    }

    EXPECT_TRUE(ReadsCurrentSense(7467, false, 199));
    EXPECT_FALSE(ReadsCurrentSense(7467, false, 200));
    EXPECT_FALSE(ReadsCurrentSense(7467, true, 100));
    for (qint32 model : {5363, 5384, 5806, 5819, 5833})
        EXPECT_FALSE(ReadsCurrentSense(model, false, 100)) << model;

    for (qint32 model : {5806, 5819, 5833, 5363})
        EXPECT_FALSE(RfBandFrameShown(model)) << model;
    EXPECT_TRUE(RfBandFrameShown(7467));
    EXPECT_FALSE(ConstantPowerFrameShown(5363));
    EXPECT_TRUE(ConstantPowerFrameShown(5384));
    EXPECT_FALSE(SerialComMenuShown(4817));
    EXPECT_TRUE(SerialComMenuShown(6316));
}
