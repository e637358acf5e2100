// The export of downloaded logs: a real workbook read back (sheets, values, types, formats,
// heights and widths), its free name, what is opened, and the failures that leave no
// workbook or open nothing; the text editor, one file after the other.
#include "LogWindow.h"
#include "support/XlsxReader.h"
#include "status/QStringPrint.h"
#include "support/FakeShell.h"
#include "support/TestProgram.h"
#include "transfers/LogExport.h"
#include "transfers/XlsxWorkbook.h"
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <xlsxwriter.h>

namespace {
struct ExportFixture {
    ExportFixture()
    {
        t.p().unit.id.UnitSerialNo = "A1234";
        t.p().conn.UnitIPAddress = "127.0.0.1";
        QDir().mkpath(t.folders.dataFolder());
    }
    QString data(const QString& name) const { return t.folders.dataFolder() + '/' + name; }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(data(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QStringList files() const { return QDir(t.folders.dataFolder()).entryList(QDir::Files, QDir::Name); }

    TestProgram t;
    FakeShell& shell = t.shell;
};

const QByteArray HourlyLog = "#####\r\n#  Hourly\r\n#####\r\n\r\n"
                             " 47.5 2.1 10.5 35 E 250101 134500\r\n"
                             " 47.4 2.0 10.5 36 D 250101 144500\r\n"
                             "-----\r\n";
const QByteArray FaultLog = "#####\r\nFault    47.5 0 0 0 E 260314 150926\r\n--------------------\r\n";

XlsxStyle boxed(const char* left, const char* right, const char* top, const char* bottom)
{
    return {"Arial", 7, "center", true, left, right, top, bottom, true};
}

void expectStyle(const XlsxSheet& s, const QString& cell, const XlsxStyle& want)
{
    SCOPED_TRACE(cell.toStdString());
    ASSERT_TRUE(s.cells.contains(cell));
    const XlsxStyle& got = s.cells[cell].style;
    EXPECT_EQ(got.font, want.font);
    EXPECT_EQ(got.size, want.size);
    EXPECT_EQ(got.horizontal, want.horizontal);
    EXPECT_EQ(got.wrapped, want.wrapped);
    EXPECT_EQ(QStringList({got.left, got.right, got.top, got.bottom}),
              QStringList({want.left, want.right, want.top, want.bottom}));
    EXPECT_TRUE(got.automaticColour);
}

void expectCell(const XlsxSheet& s, const QString& cell, const QString& value, bool number)
{
    ASSERT_TRUE(s.cells.contains(cell)) << cell.toStdString();
    EXPECT_EQ(s.cells[cell].value, value) << cell.toStdString();
    EXPECT_EQ(s.cells[cell].number, number) << cell.toStdString();
}
}   // namespace

TEST(ExportLogsToExcel, AWorkbookOfTwoLogsReadBack)
{
    ExportFixture f;
    f.write("hlog.txt", HourlyLog);
    f.write("A1234fltlog.txt", FaultLog);

    const QString path = ExportLogsToExcel(f.t.p(), {"hlog.txt", "", "mlog.txt", "A1234fltlog.txt"});

    EXPECT_EQ(path, f.data("A1234Logs.xlsx"));
    EXPECT_EQ(f.shell.opened, QStringList{path});
    EXPECT_TRUE(f.t.prompts.boxes.isEmpty());
    const auto book = ReadXlsx(path);
    ASSERT_TRUE(book);
    ASSERT_EQ(book->size(), 2u);   // the missing monthly log gives no sheet
    const XlsxSheet& hourly = book->at(0);
    EXPECT_EQ(hourly.name, "Hourly Log");
    EXPECT_EQ(book->at(1).name, "Fault Log");

    expectCell(hourly, "A1", "Hourly Log", false);
    EXPECT_EQ(hourly.cells["A1"].style.font, "Calibri");   // the default format
    expectCell(hourly, "A4", "SN: A1234", false);
    expectCell(hourly, "B4", "IP Adr: 127.0.0.1", false);
    expectCell(hourly, "C4", "RS485 Adr: A", false);
    expectCell(hourly, "A5", "Event", false);
    expectCell(hourly, "B5", " Fwd Pwr (dBm)", false);
    expectCell(hourly, "I5", " Date/Time in Sec", false);
    expectCell(hourly, "A6", " ", false);
    expectCell(hourly, "B6", "47.5", true);
    expectCell(hourly, "F6", "E", false);
    expectCell(hourly, "G6", "01-01-25", false);
    expectCell(hourly, "H6", "13:45:00", false);
    expectCell(hourly, "I6", "1735739100", true);
    expectCell(hourly, "I7", "1735742700", true);
    EXPECT_FALSE(hourly.cells.contains("A8"));
    EXPECT_FALSE(hourly.cells.contains("J6"));
    expectCell(hourly, "D4", "", false);   // blank, but framed

    expectStyle(hourly, "A4", boxed("thick", "thin", "thick", ""));
    expectStyle(hourly, "I4", boxed("thin", "thick", "thick", ""));
    expectStyle(hourly, "A5", boxed("thick", "thin", "thick", "thick"));
    expectStyle(hourly, "E5", boxed("thin", "thin", "thick", "thick"));
    expectStyle(hourly, "E6", boxed("thin", "thin", "", ""));
    expectStyle(hourly, "A7", boxed("thick", "thin", "", "thick"));
    expectStyle(hourly, "I7", boxed("thin", "thick", "", "thick"));
    EXPECT_EQ(hourly.rowHeights, (QMap<int, double>{{4, 23}, {5, 32}, {6, 23}, {7, 23}}));
    ASSERT_EQ(hourly.columnWidths.keys(), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    for (const double width : hourly.columnWidths)   // 7 characters and the cell's padding
        EXPECT_NEAR(width, 7.71, 0.01);

    const XlsxSheet& fault = book->at(1);
    expectCell(fault, "A6", "Fault   ", false);
    expectCell(fault, "B6", "47.5", true);
    expectCell(fault, "I6", "1773500966", true);

    // A second export takes the next free name and leaves the first workbook as it was.
    const QByteArray first = ReadBytes(path);
    EXPECT_EQ(ExportLogsToExcel(f.t.p(), {"hlog.txt"}), f.data("A1234Logs1.xlsx"));
    EXPECT_EQ(ReadBytes(path), first);
    EXPECT_EQ(f.shell.opened.size(), 2);
}

// A cell holds the file's field as the spreadsheet shows it: a character that a workbook
// cannot store is "?" in its place, one for one, and text that looks like the workbook's own
// escapes stays as it is.
TEST(ExportLogsToExcel, CellsHoldTheFilesFieldsWhateverTheirBytes)
{
    ExportFixture f;
    f.write("plog.txt", "#####\r\n\r\n 1" + QByteArray(1, '\0') + "2 251211 103000\r\n" +
                            " a\x01\x1f\x7f\xe9 _x0041_ 251211 104000\r\n");
    const QString path = ExportLogsToExcel(f.t.p(), {"plog.txt"});
    const auto book = ReadXlsx(path);
    ASSERT_TRUE(book);
    const XlsxSheet& s = book->at(0);
    expectCell(s, "B6", "1?2", false);
    expectCell(s, "C6", "12-11-25", false);
    expectCell(s, "B7", QString::fromLatin1("a??\x7f\xe9"), false);
    expectCell(s, "C7", "_x0041_", false);
    expectCell(s, "D7", "12-11-25", false);
}

TEST(ExportLogsToExcel, FailuresLeaveNoWorkbookOrOpenNothing)
{
    ExportFixture f;
    f.write("hlog.txt", HourlyLog);
    const QStringList logsOnly{"hlog.txt"};

    // No log that exists: no workbook, nothing opened, no box.
    EXPECT_EQ(ExportLogsToExcel(f.t.p(), {"plog.txt", "A1234fltlog.txt", ""}), "");
    EXPECT_EQ(f.files(), logsOnly);
    EXPECT_TRUE(f.shell.opened.isEmpty());
    EXPECT_TRUE(f.t.prompts.boxes.isEmpty());

    // The writer refuses a second sheet of the same name: its box, and no file at all.
    EXPECT_EQ(ExportLogsToExcel(f.t.p(), {"hlog.txt", "hlog.txt"}), "");
    EXPECT_EQ(f.files(), logsOnly);
    EXPECT_TRUE(f.shell.opened.isEmpty());
    ASSERT_EQ(f.t.prompts.boxes.size(), 1);
    EXPECT_EQ(f.t.prompts.boxes[0].title, "File Error");
    EXPECT_TRUE(
        f.t.prompts.boxes[0].text.startsWith(QStringLiteral("Error No.: %1\r\n").arg(LXW_ERROR_SHEETNAME_ALREADY_USED)))
        << f.t.prompts.boxes[0].text.toStdString();
    EXPECT_EQ(f.t.prompts.boxes[0].icon, PromptIcon::Exclamation);

    // The desktop opens nothing: its box.
    f.shell.answer = false;
    EXPECT_EQ(ExportLogsToExcel(f.t.p(), logsOnly), "");
    ASSERT_EQ(f.t.prompts.boxes.size(), 2);
    EXPECT_EQ(f.t.prompts.boxes[1].text,
              "Error No.: 429\r\nNo program opened the workbook " + f.data("A1234Logs.xlsx"));

    // A workbook is never written over an existing file.
    f.write("taken.xlsx", "older");
    EXPECT_TRUE(WriteWorkbook(f.data("taken.xlsx"), {}));
    EXPECT_EQ(ReadBytes(f.data("taken.xlsx")), "older");
}

TEST(OpenLogsInNotepad, EachFileInTurnUntilOneIsRefused)
{
    ExportFixture f;
    OpenLogsInNotepad(f.t.p(), {"plog.txt", "", "A1234fltlog.txt"});
    EXPECT_EQ(f.shell.opened, QStringList({f.data("plog.txt"), f.data("A1234fltlog.txt")}));
    f.shell.opened.clear();
    f.shell.answer = false;
    OpenLogsInNotepad(f.t.p(), {"plog.txt", "hlog.txt"});
    EXPECT_EQ(f.shell.opened, QStringList{f.data("plog.txt")});
    EXPECT_TRUE(f.t.prompts.boxes.isEmpty());
}
