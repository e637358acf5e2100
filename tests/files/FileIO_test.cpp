#include "FileBytes.h"
#include "files/FileIO.h"
#include "support/FakeClock.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QLocale kUs(QLocale::English, QLocale::UnitedStates);

struct FileIOTest : ::testing::Test {
    QTemporaryDir tmp;
    FakeClock clock;
    QString path(const QString& name) const { return tmp.filePath(name); }
    std::unique_ptr<FileIO> make()
    {
        auto io = std::make_unique<FileIO>(&clock, kUs);
        io->setUnitSerialNumber("12345");
        io->setFWPartNumber("672-7436-005");
        io->setModelCfgPartNumber("672-9000-001");
        return io;
    }
};
}   // namespace

struct HeaderCase {
    const char* golden;
    const char* fileName;
    bool (FileIO::*open)(const QString&, bool);
    bool useParamLog;
    const char* band;
};

TEST_F(FileIOTest, EveryHeaderKindByteForByte)
{
    const HeaderCase cases[] = {
        {"kind00_atncal.txt", "12345AtnCal.txt", &FileIO::OpenAtnCalFile, false, ""},
        {"kind01_rfcal.txt", "12345PwrCal.txt", &FileIO::OpenRfCalFile, false, "Ku Band"},
        {"kind01_rfcal_noband.txt", "12345PwrCal.txt", &FileIO::OpenRfCalFile, false, ""},
        {"kind07_cmdfile.txt", "12345Cfg.txt", &FileIO::OpenCmdFile, false, ""},
        {"kind09_plog.txt", "plog.txt", &FileIO::OpenParamLogFile, true, ""},
        {"kind10_hlog.txt", "hlog.txt", &FileIO::OpenParamLogFile, true, ""},
        {"kind11_dlog.txt", "dlog.txt", &FileIO::OpenParamLogFile, true, ""},
        {"kind12_mlog.txt", "mlog.txt", &FileIO::OpenParamLogFile, true, ""},
        {"kind13_cmlog.txt", "cmlog.txt", &FileIO::OpenParamLogFile, true, ""},
        {"kind14_trend.txt", "tlog.txt", &FileIO::OpenTrendLogFile, false, ""},
        {"kind18_calfactor.txt", "12345CalFactor.txt", &FileIO::OpenCalFactorFile, false, ""},
    };
    for (const HeaderCase& c : cases) {
        SCOPED_TRACE(c.golden);
        QDir().mkpath(path("sub"));
        const QString full = path(QStringLiteral("sub/") + c.fileName);
        {
            auto io = make();
            io->setUseParamLog(c.useParamLog);
            io->setCurrentRFBand(c.band);
            ASSERT_TRUE(((*io).*c.open)(full, false));
        }   // released without CloseFile: committed
        EXPECT_EQ(ReadFileBytes(full), GoldenFile(c.golden));
        QFile::remove(full);
    }
}

TEST_F(FileIOTest, FaultLogWithAndWithoutColumnEntryAndTheSspaTrendKind)
{
    auto io = make();
    io->setUseParamLog(true);
    ASSERT_TRUE(io->OpenFltLogFile(path("FLOG.txt"), false));
    ASSERT_TRUE(io->CloseFile());
    EXPECT_EQ(ReadFileBytes(path("FLOG.txt")), GoldenFile("kind05_fltlog.txt"));
    ASSERT_TRUE(io->OpenFltLogFile(path("FLOG.txt"), false, true));
    ASSERT_TRUE(io->CloseFile());
    EXPECT_EQ(ReadFileBytes(path("FLOG.txt")), GoldenFile("kind05_fltlog_nocolumns.txt"));

    io->setUseParamLog(false);
    io->setTWTAUnit(false);   // kind 15 has the same header as kind 14
    ASSERT_TRUE(io->OpenTrendLogFile(path("tlog.txt"), false));
    ASSERT_TRUE(io->CloseFile());
    EXPECT_EQ(ReadFileBytes(path("tlog.txt")), GoldenFile("kind14_trend.txt"));
}

TEST_F(FileIOTest, NoHeaderForTheExportAndForOtherParameterLogNames)
{
    for (const char* name : {"export.csv", "HLOG.txt", "12345hlog.txt"}) {
        SCOPED_TRACE(name);
        auto io = make();
        io->setUseParamLog(true);
        const bool csv = QString(name).endsWith(".csv");
        ASSERT_TRUE(csv ? io->OpenCSVFile(path(name), false) : io->OpenParamLogFile(path(name), false));
        io->AddToFile("first");
        ASSERT_TRUE(io->CloseFile());
        EXPECT_EQ(ReadFileBytes(path(name)), "first\r\n");
    }
    FileIO io(&clock, kUs);
    ASSERT_TRUE(io.OpenCSVFile(path("empty.csv"), false));
    ASSERT_TRUE(io.CloseFile());
    EXPECT_EQ(ReadFileBytes(path("empty.csv")), "");
}

TEST(FileIOColumns, EntryByParamLogFamilyAndModel)
{
    const QString ev = "#  Columns: \r\n# Event  Fpr  Rpr  Atn  HlV   HlI  HtV Tmp I YYMMDD HHMMSS";
    const QString bt = "#  Columns: \r\n# Event  Fpr  Rpr  Atn  HlV   HlI  HtV Tmp  Bt YYMMDD HHMMSS";
    const QString sspa = "#  Columns: \r\n# Event  Fpr  Rpr  Atn  Tmp I YYMMDD HHMMSS";
    const QString cath = "#  Columns: \r\n# Ic Va BmHrs HtHrs YYMMDDHHMM";
    const QString trend =
        "#  Columns: \r\n#    Date    Time     Sum/Flt/Alm   Fpr        Tmp       HxI       HxV       "
        "HtV       Atn       UPC       CaI       AnV ";
    struct Case {
        bool useParamLog;
        bool twta;
        qint16 project;
        int kind;
        QString entry;
    } cases[] = {
        {true, true, 4471, FileKind::FltLog, bt},
        {true, true, 4491, FileKind::ParamLogHourly, bt},
        {true, true, 0, FileKind::FltLog, ev},
        {true, false, 4471, FileKind::FltLog, sspa},
        {true, false, 0, FileKind::ParamLogCathode, cath},
        {true, true, 4471, FileKind::ParamLogCathode, cath},
        {true, true, 0, FileKind::TrendLogTwta, ev},
        {true, false, 0, FileKind::TrendLogSspa, sspa},
        {false, true, 4471, FileKind::FltLog, "#"},
        {false, false, 0, FileKind::ParamLogCathode, "#"},
        {false, true, 0, FileKind::TrendLogTwta, trend},
        {false, false, 4491, FileKind::TrendLogSspa, trend},
    };
    for (const Case& c : cases) {
        FileIO io;
        io.setUseParamLog(c.useParamLog);
        io.setTWTAUnit(c.twta);
        io.setProjectID(c.project);
        EXPECT_EQ(io.GetColumnsEntry(c.kind), c.entry) << c.useParamLog << c.twta << c.project << " kind " << c.kind;
    }
}

TEST(FileIONames, BareNameParamLogKindAndDateText)
{
    EXPECT_EQ(FileIO::BareFileName("c:\\ProgramData\\x\\hlog.txt"), "hlog.txt");
    EXPECT_EQ(FileIO::BareFileName("/home/u/data/hlog.txt"), "hlog.txt");
    EXPECT_EQ(FileIO::BareFileName("hlog.txt"), "hlog.txt");
    EXPECT_EQ(FileIO::GetParamLogKind("/d/hlog.txt"), FileKind::ParamLogHourly);
    EXPECT_EQ(FileIO::GetParamLogKind("/d/HLOG.txt"), FileKind::Other);
    EXPECT_EQ(FileIO::GetParamLogKind("/d/cmlog.txt"), FileKind::ParamLogCathode);
    EXPECT_EQ(FileIO::GeneralDateText(QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26)), kUs), "3/14/26 3:09:26 PM");
    EXPECT_EQ(FileIO::GeneralDateText(QDateTime(QDate(2026, 3, 14), QTime(0, 0)), kUs), "3/14/26");
    const QString german = FileIO::GeneralDateText(QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26)),
                                                   QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german, "14.03.26 15:09:26");
}

TEST_F(FileIOTest, OpeningRules)
{
    auto io = make();
    EXPECT_FALSE(io->OpenCmdFile("", false));
    EXPECT_FALSE(io->OpenCmdFile(path("missing.txt"), true));
    EXPECT_FALSE(QFile::exists(path("missing.txt")));

    // An empty name leaves an open file open.
    ASSERT_TRUE(io->OpenCSVFile(path("a.csv"), false));
    EXPECT_FALSE(io->OpenCSVFile("", false));
    io->AddToFile("a1");
    // A second open closes (commits) the first.
    ASSERT_TRUE(io->OpenCSVFile(path("b.csv"), false));
    io->AddToFile("b1");
    EXPECT_EQ(ReadFileBytes(path("a.csv")), "a1\r\n");
    ASSERT_TRUE(io->CloseFile());
    EXPECT_EQ(ReadFileBytes(path("b.csv")), "b1\r\n");
    EXPECT_TRUE(io->CloseFile());   // nothing open: no failure

    // An existing file is replaced whole, and only on closing.
    WriteFileBytes(path("b.csv"), "old contents\r\nmore\r\n");
    ASSERT_TRUE(io->OpenCSVFile(path("b.csv"), false));
    io->AddToFile("new");
    EXPECT_EQ(ReadFileBytes(path("b.csv")), "old contents\r\nmore\r\n");
    ASSERT_TRUE(io->CloseFile());
    EXPECT_EQ(ReadFileBytes(path("b.csv")), "new\r\n");
}

TEST_F(FileIOTest, AFailedOrDiscardedWriteLeavesTheOldFile)
{
    WriteFileBytes(path("keep.txt"), "good\r\n");
    {
        auto io = make();
        ASSERT_TRUE(io->OpenCSVFile(path("keep.txt"), false));
        io->AddToFile("half");
        io->Discard();
        EXPECT_TRUE(io->CloseFile());
    }
    EXPECT_EQ(ReadFileBytes(path("keep.txt")), "good\r\n");

    // A folder that is a file: the open fails and creates nothing.
    WriteFileBytes(path("notafolder"), "x");
    auto io = make();
    EXPECT_FALSE(io->OpenCmdFile(path("notafolder/cfg.txt"), false));
    EXPECT_FALSE(io->WriteOk());

    // The file cannot replace its target when it is closed: reported, nothing left behind.
    ASSERT_TRUE(io->OpenCSVFile(path("target"), false));
    io->AddToFile("line");
    ASSERT_TRUE(QDir().mkpath(path("target/inside")));
    EXPECT_FALSE(io->CloseFile());
    EXPECT_EQ(QDir(tmp.path()).entryList({"target*"}, QDir::Files).size(), 0);
}

TEST_F(FileIOTest, ReadsCrLfAndLfAlikeAndLatin1)
{
    WriteFileBytes(path("crlf.txt"), "one\r\n\r\n #x\r\nK\xb0"
                                     "1\r\nlast");
    WriteFileBytes(path("lf.txt"), "one\n\n #x\nK\xb0"
                                   "1\nlast\n");
    for (const char* name : {"crlf.txt", "lf.txt"}) {
        SCOPED_TRACE(name);
        FileIO io;
        ASSERT_TRUE(io.OpenCmdFile(path(name), true));
        QStringList lines;
        while (!io.AtEndOfFile())
            lines << io.ReadNextLine();
        EXPECT_EQ(lines, QStringList({"one", "", " #x",
                                      QString::fromLatin1("K\xb0"
                                                          "1"),
                                      "last"}));
        EXPECT_EQ(io.ReadNextLine(), "");
        io.CloseFile();
        EXPECT_TRUE(io.AtEndOfFile());
    }
    FileIO io;
    ASSERT_TRUE(io.OpenCSVFile(path("out.csv"), false));
    io.AddToFile(QString::fromLatin1("a\xb5") + "\r\nb");
    ASSERT_TRUE(io.CloseFile());
    EXPECT_EQ(ReadFileBytes(path("out.csv")), "a\xb5\r\nb\r\n");
}
