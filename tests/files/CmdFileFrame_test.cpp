// The command file's frame: the writers' table, the cleaning of unit values and the
// decisions of the replay.
#include "files/CmdFileReplay.h"
#include "files/CmdFileSections.h"
#include "files/FileIO.h"
#include "support/MainWindowProgram.h"
#include "files/CmdFileActions.h"
#include <QFile>
#include <gtest/gtest.h>

TEST(CmdFileFrame, TheWritersRunInTheirFixedOrder)
{
    const QStringList expected = {
        "SaveFWPartNumber",
        "SavePartNumber",
        "SaveSerialNumber",
        "SaveModelCfgPN",
        "SaveBandInfo",
        "SaveSubBandInfo",
        "SaveTempCompParams",
        "SaveWaveguideCfg",
        "SaveRedundantModeCfg",
        "SaveAttenuation",
        "SaveGainBalance",
        "SaveUnitGain",
        "SaveLinearizerParams",
        "SaveStartUpCfg",
        "SaveXmitState",
        "SaveAutoXmitRestore",
        "SaveRFInhibitState",
        "SaveRFPolarity",
        "SaveConstantPower",
        "SaveWGArcDetectorType",
        "SaveFwdRFTripLevels",
        "SaveRevRFTripLevel",
        "SaveFactoryTripLevels",
        "SavePSVset",
        "SaveUnitCfg",
        "SaveLowCostBucCfg",
        "SaveCurrentSenseCfg",
        "SaveFaultEnableCfg",
        "SaveLatchedFaults",
        "SaveAlarmEnableCfg",
        "SaveRevRFOffset",
        "SaveMaxPowerLimit",
        "SaveHeaterStandby",
        "SaveHelixCurrentRatio",
        "SaveHelixCurrentTrip",
        "SaveDCVInputLimits",
        "SaveTemperatureTripLevels",
        "SaveFanTemperature",
        "SaveCathodeMonitor",
        "SaveUnitHours",
        "SaveSerialPortParameters",
        "SaveEnetParameters",
        "SaveLEDMode",
        "SaveADCScalers",
        "SaveDigitalPots",
        "SaveFloatSupplyParams",
        "SaveProductID",
        "SaveMaxSystemPower",
    };
    MainWindowProgram t;
    QStringList ran;
    t.w().cmdFile().onCmdFileSection = [&](const char* name) { ran << name; };
    ASSERT_TRUE(t.w().SaveCmdFile(t.tmp.filePath("cfg.txt")));
    EXPECT_EQ(ran, expected);
}

namespace {
QStringList calls;
bool first(CmdFileContext& c)
{
    calls << "first";
    c.Line("1");
    return true;
}
bool failing(CmdFileContext&)
{
    calls << "failing";
    return false;
}
bool last(CmdFileContext& c)
{
    calls << "last";
    c.Line("3");
    return true;
}
}   // namespace

TEST(CmdFileFrame, AFailingWriterDoesNotStopTheOthersAndTheHookCan)
{
    MainWindowProgram t;
    FileIO io;
    ASSERT_TRUE(io.OpenCSVFile(t.tmp.filePath("s.txt"), false));
    CmdFileContext c{t.p(), t.w().ui, io};
    const CmdFileSection table[] = {{"first", first}, {"failing", failing}, {"last", last}};
    calls.clear();
    EXPECT_FALSE(RunCmdFileSections(c, table, nullptr));
    EXPECT_EQ(calls, QStringList({"first", "failing", "last"}));
    calls.clear();
    EXPECT_FALSE(RunCmdFileSections(c, table, [](const CmdFileSection& s) { return QString(s.name) != "failing"; }));
    EXPECT_EQ(calls, QStringList({"first"}));
    ASSERT_TRUE(io.CloseFile());
    QFile f(t.tmp.filePath("s.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "1\r\n3\r\n1\r\n");
}

TEST(CmdFileFrame, UnitValuesNeverCarryControlCharacters)
{
    MainWindowProgram t;
    FileIO io;
    ASSERT_TRUE(io.OpenCSVFile(t.tmp.filePath("v.txt"), false));
    CmdFileContext c{t.p(), t.w().ui, io};
    c.Comment("#Serial Number: ", "T10\r\n452\x03");
    c.Command("YK", "7436005");
    c.Command("PEN", "My\rUnit");
    c.Line(QString("#tab\there") + QChar(127));
    ASSERT_TRUE(io.CloseFile());
    QFile f(t.tmp.filePath("v.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "#Serial Number: T10452\r\nYK7436005\r\n#PENMyUnit\r\n#tabhere\r\n");
    EXPECT_TRUE(HoldsControlChar(QString("a") + QChar(0)));
    EXPECT_FALSE(HoldsControlChar(QString::fromLatin1("K\xb0 1")));
}

TEST(CmdFileReplayPlan, CommandLinesAndTheirNumbers)
{
    const QStringList lines = {"#####", "#  Command File: x.txt", "", " #x", "   ", "#PBJ1", "K5", "PX1 ", "#"};
    const ReplayPlan plan = PlanReplay(lines);
    EXPECT_EQ(plan.controlCharLine, 0);
    ASSERT_EQ(plan.commands.size(), 4);
    const QList<int> numbers{plan.commands[0].lineNumber, plan.commands[1].lineNumber, plan.commands[2].lineNumber,
                             plan.commands[3].lineNumber};
    EXPECT_EQ(numbers, QList<int>({4, 5, 7, 8}));
    EXPECT_EQ(plan.commands[0].command, " #x");
    EXPECT_EQ(plan.commands[3].command, "PX1 ");

    EXPECT_TRUE(PlanReplay({"#only", "", "# comments"}).commands.isEmpty());
    const ReplayPlan bad = PlanReplay({"K5", "#fine\x01", QString("PX1") + QChar(9), "PX2\r"});
    EXPECT_EQ(bad.controlCharLine, 3);
    EXPECT_TRUE(bad.commands.isEmpty());
    EXPECT_EQ(ControlCharText(3), "Line 3 holds a control character; nothing was sent.");
    EXPECT_EQ(ReplayLostText({10, 54, 41}),
              "Connection lost after command 10 of 54 (file line 41); the remaining commands were not sent.");
    EXPECT_EQ(ReplayCancelledText({10, 54, 41}),
              "Cancelled after command 10 of 54 (file line 41); the unit holds the commands sent so far.");
}

TEST(CmdFileReplayPlan, AFileOfAnotherModelIsAskedAbout)
{
    const QStringList header = {"############################################################",
                                "#               Amplifier Configuration File",
                                "#  Firmware: 672-6250-001",
                                "#  ModelCfg: 672-6250-201",
                                "#Serial Number: 23101",
                                "#YL23101",
                                "YM33"};
    const CmdFileOrigin origin = CmdFileOriginOf(header);
    EXPECT_EQ(origin.model, 6250);
    EXPECT_EQ(origin.serial, "23101");
    const struct {
        const char* name;
        CmdFileOrigin file;
        qint32 unitModel;
        QString question;
    } cases[] = {
        {"another model", origin, 5700,
         "This file was saved from model 6250, serial 23101; the connected unit is model 5700, serial 24057. "
         "Send it anyway?"},
        {"the same model, another serial", origin, 6250, ""},
        {"no header", CmdFileOriginOf({"K5", "PX1"}), 5700, ""},
        {"an empty firmware line", CmdFileOriginOf({"#  Firmware: ", "#Serial Number: 1"}), 5700, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OtherModelQuestion(c.file, c.unitModel, "24057"), c.question) << c.name;
}

// An editor's UTF-8 byte-order mark at the very start of the file is no part of its first
// line; anywhere else the bytes are read as they stand.
TEST(CmdFileReplayPlan, AByteOrderMarkAtTheStartIsSkipped)
{
    const QString bom = QString::fromLatin1("\xef\xbb\xbf");
    struct Case {
        QStringList lines;
        QStringList sent;
    };
    const Case cases[] = {
        {{bom + "#####", "K5"}, {"K5"}},
        {{bom + "K5", "PX1"}, {"K5", "PX1"}},
        {{bom, "K5"}, {"K5"}},
        {{bom + bom + "K5"}, {bom + "K5"}},
        {{"K5", bom + "PX1"}, {"K5", bom + "PX1"}},
        {{QString::fromLatin1("\xef\xbbK5")}, {QString::fromLatin1("\xef\xbbK5")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.join('|').toStdString());
        QStringList sent;
        for (const ReplayLine& line : PlanReplay(c.lines).commands)
            sent << line.command;
        EXPECT_EQ(sent, c.sent);
    }
    EXPECT_EQ(PlanReplay({bom + "#a", "K5"}).commands.value(0).lineNumber, 2);
}

TEST(CmdFileReplayPlan, RefusedLinesReport)
{
    EXPECT_EQ(RefusedLinesText({{7, "K5"}, {9, "PX1"}}, 4),
              "The unit refused 2 of 4 commands:\nLine 7: K5\nLine 9: PX1");
    QList<ReplayLine> many;
    for (int i = 1; i <= 21; ++i)
        many.append({i, "C" + QString::number(i)});
    const QStringList text = RefusedLinesText(many, 30).split('\n');
    ASSERT_EQ(text.size(), 22);
    EXPECT_EQ(text[0], "The unit refused 21 of 30 commands:");
    EXPECT_EQ(text[20], "Line 20: C20");
    EXPECT_EQ(text[21], "...");
}
