// The section writers on the main window over the scripted serial line: what they ask
// the unit and which state of the window and the unit they write.
#include "app/Program.h"
#include "app/frmMain.h"
#include "files/CmdFileSections.h"
#include "files/FileIO.h"
#include "link/Transaction.h"
#include "support/SimUnitProfile.h"
#include "support/TestProgram.h"
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class CmdFileWriters : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.replies = sspaProfile().replies;
        BeginConnection(t.p(), false);
    }
    // The lines one writer writes, and what it sent the unit meanwhile.
    QStringList run(CmdFileWriter writer)
    {
        const QString path = t.tmp.filePath("section.txt");
        {
            FileIO io;
            EXPECT_TRUE(io.OpenCSVFile(path, false));
            CmdFileContext c{t.p(), w.ui, io};
            t.commands.clear();
            writer(c);
            EXPECT_TRUE(io.CloseFile());
        }
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        QStringList lines = QString::fromLatin1(f.readAll()).split("\r\n");
        lines.removeLast();
        return lines;
    }
    QStringList sent() const
    {
        QStringList out;
        for (const QByteArray& c : t.commands)
            out << QString::fromLatin1(c);
        return out;
    }
    UnitConfig& config() { return t.p().unit.config; }

    TestProgram t;
    frmMain w{t.p()};
};

}   // namespace

TEST_F(CmdFileWriters, SubBandsRunToTheLastWithAFrequency)
{
    config().SubBandCount = 3;
    config().SubBandFreqs = {"", "21.75", "23.00", "", "31.55"};
    config().CurrentSubBand = 4;
    t.replies.remove("P|?2");   // sub-band 2 asks the supply fallback, which is no tilt
    const QStringList lines = run(SaveSubBandInfo);
    EXPECT_EQ(sent(), QStringList({"PZ?1", "PZ?2", "Pz?2", "P/?2", "PG?2", "P|?2", "YC?:2", "PZ?4"}));
    EXPECT_EQ(lines, QStringList({"#Sub-Band Configuration",
                                  "#",
                                  "#  Sub-Band 1: 21.75 GHz",
                                  "PBS121.75",
                                  "#  Sub-Band 2: 23.00 GHz",
                                  "PBS223.00",
                                  "#  Linearizer Settings for Sub-Band 2",
                                  "#    Lin Amp: A013",
                                  "PZA013:2",
                                  "#    Lin Phase: P035",
                                  "PzP035:2",
                                  "#    Gain Balance value: -1.5",
                                  "PG-1.5:2",
                                  "#  Sub-Band 3: 0.00 GHz",
                                  "PBS300.00",
                                  "#  Sub-Band 4: 31.55 GHz",
                                  "PBS431.55",
                                  "#Gain Balance Status: Enabled",
                                  "PG1",
                                  "#Current SubBand: 4",
                                  "PBS4"}));

    config().SubBandCount = 0;
    EXPECT_EQ(run(SaveSubBandInfo), QStringList({"#No Sub-Bands"}));
    EXPECT_TRUE(sent().isEmpty());
}

TEST_F(CmdFileWriters, LinearizerAskedOnlyWithoutSubBandsOrTouchScreen)
{
    t.p().unit.id.OptionWord = 1 << 8;
    EXPECT_EQ(run(SaveLinearizerParams), QStringList({"#Linearizer Amp: A012", "PZA012", "#Linearizer Phase: P034",
                                                      "PzP034", "#Linearizer Slope: 0512", "P/0512"}));
    EXPECT_EQ(sent(), QStringList({"?Zz", "?/"}));

    config().SubBandCount = 2;
    EXPECT_TRUE(run(SaveLinearizerParams).isEmpty());
    EXPECT_TRUE(sent().isEmpty());
    config().SubBandCount = 0;
    t.p().unit.flags.TouchScreenUnit = true;
    EXPECT_TRUE(run(SaveLinearizerParams).isEmpty());
    EXPECT_TRUE(sent().isEmpty());
    t.p().unit.flags.TouchScreenUnit = false;
    t.replies.remove("?Zz");
    EXPECT_TRUE(run(SaveLinearizerParams).isEmpty());
}

TEST_F(CmdFileWriters, BandsAskTheirMaximumAttenuations)
{
    t.p().unit.id.OptionWord = 1 << 2;
    config().RfBandNames = {"", "Ku", "Ka", "", ""};
    config().RfBandFreqs = {"", "14.25", "", "", ""};
    w.ui.cmbRfBand->addItems({"Ku", "Ka"});
    w.ui.cmbRfBand->setCurrentIndex(1);
    t.p().ReplyFields[2] = "stale";
    t.replies.remove(".?P321");
    EXPECT_EQ(run(SaveBandInfo),
              QStringList({"#RF Band 1: Ku, 14.25 GHz", ".B1Ku,14.25", "### Multi-Band Configuration", "#RF Band 2: Ka",
                           "#Max RF Atten: 12.5 db", ".P320 125", ".B2Ka", "#RF Band 3: Disabled", ".P110 255",
                           "#RF Band 4: Disabled", ".P111 255", "#Current RF Band: Ka", "TKa"}));
    EXPECT_EQ(sent(), QStringList({".?P203", ".?P320", ".?P321", ".?P322"}));
}

TEST_F(CmdFileWriters, WattsDisplayBoxesAndMenusAsTheyStand)
{
    t.p().display.DisplayWatts = true;
    w.ui.txtFhiLvl->setText("100.0");
    w.ui.cmbFhiTripType->setCurrentText("Alarm");
    w.ui.txtRhiLvl->setText("31.6");
    w.ui.cmbRhiTripType->setCurrentText("Fault");
    EXPECT_EQ(run(SaveFwdRFTripLevels), QStringList({"#RF Power High: Alarm (50.0 dBm)", "MA100.0"}));
    EXPECT_EQ(run(SaveRevRFTripLevel), QStringList({"#Reflected RF Power: Fault (45.0 dBm)", "OF31.6"}));
    w.ui.txtConstLvl->setText("56.2");
    EXPECT_EQ(run(SaveConstantPower),
              QStringList({"#Constant Power Level: 47.5 dBm (56.2W)", "#G56.2", "#Constant Power: Disabled", "H"}));

    w.ui.mnuRfiInvert->setEnabled(true);
    w.ui.mnuRfiInvert->setChecked(true);
    EXPECT_EQ(run(SaveRFPolarity), QStringList({"#RF Inhibit Polarity: Inverted", "PTI0"}));
    w.ui.mnuRfiInvert->setChecked(false);
    EXPECT_EQ(run(SaveRFPolarity), QStringList({"#RF Inhibit Polarity: Normal", "PTI1"}));

    // The supply set value and the up-converter only for a unit that answered them.
    config().PsVsetValue = 1250;
    w.ui.mnuPsVset->setVisible(false);
    EXPECT_TRUE(run(SavePSVset).isEmpty());
    w.ui.mnuPsVset->setVisible(true);
    EXPECT_EQ(run(SavePSVset), QStringList({"#PS Vset value: 1250", "YC1250"}));
    t.p().unit.id.OptionWord = 1 << 10;
    w.ui.mnulcBucSetup->setVisible(false);
    EXPECT_TRUE(run(SaveLowCostBucCfg).isEmpty());
    w.ui.mnulcBucSetup->setVisible(true);
    EXPECT_EQ(run(SaveLowCostBucCfg).size(), 11);
    EXPECT_TRUE(sent().isEmpty());
}

TEST_F(CmdFileWriters, AnInvalidPartNumberWarnsAndLeavesTheCommandBare)
{
    w.ui.txtPN->setText("12-345");
    EXPECT_EQ(run(SavePartNumber), QStringList({"#Part Number: 12-345", "#YK"}));
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].title, "Parameter Error");
    w.ui.txtPN->setText("672-7436-005");
    EXPECT_EQ(run(SavePartNumber), QStringList({"#Part Number: 672-7436-005", "#YK7436005"}));
}

TEST_F(CmdFileWriters, DigitalPotsAreReadForTheSave)
{
    t.p().unit.id.UnitModelCode = 7428;
    t.p().unit.id.IsTwtaUnit = true;
    t.replies = twtaProfile().replies;
    t.replies.remove("YP5?");
    const QStringList lines = run(SaveDigitalPots);
    EXPECT_EQ(sent(), QStringList({"YP1?", "YP4?", "YP5?", "YP6?", "YP3?", "PBUH?"}));
    EXPECT_EQ(
        lines.mid(3),
        QStringList({"#Fast VSWR Digial Pot: 128 counts", "YP1 128", "#Overdrive Fault Trip Level: 2.5 dB", "YP3 2.5",
                     "#Overdrive Sensitivity: 64 counts", "YP4 64", "#Overdrive Alarm Limit:-1 counts", "#YP5-1",
                     "#VTune Level: 16 counts", "YP6 16", "#Uplink-Power-Control Availability:  Disabled", "PBUH0"}));
    t.replies.remove("PBUH?");
    t.replies.remove("YP3?");
    const QStringList unanswered = run(SaveDigitalPots);
    EXPECT_TRUE(unanswered.contains("#YP3 -1.0"));
    EXPECT_EQ(unanswered.last(), "#PBUH0");
}
