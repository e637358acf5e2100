// The log downloads fed any pages: the first byte picks the log (the five parameter logs,
// the fault log, the two trend logs), each page command takes the next piece as its reply
// data (an empty piece: no answer). A failed download leaves the older file as it was; a
// file written holds one line per record, each ended by CR LF; its export's cells hold the
// file's fields as the workbook can store them.
#include "FuzzInput.h"
#include "link/Transaction.h"
#include "support/FakeShell.h"
#include "support/MainWindowProgram.h"
#include "support/UnitFrames.h"
#include "support/XlsxReader.h"
#include "transfers/FaultLogPaging.h"
#include "transfers/LogCsv.h"
#include "transfers/LogExport.h"
#include "transfers/LogSheet.h"
#include "transfers/TrendLogPaging.h"
#include <QDir>
#include <QFile>
#include <cmath>

namespace {

struct LogWindow {
    MainWindowProgram t;
    FakeShell& shell = t.shell;
    QByteArrayList pages;   // the replies still to give, in order
};

LogWindow& window()
{
    static LogWindow& w = *[] {
        auto* made = new LogWindow;
        QDir().mkpath(made->t.folders.dataFolder());
        made->t.serial.responder = [made](const QByteArray& frame) {
            char address = 0;
            QByteArray command;
            if (!unitframes::parseSerialRequest(frame, address, command))
                return QByteArray();
            made->t.commands << command;
            if (!command.startsWith('4') && !command.startsWith("QF"))
                return QByteArray();
            if (made->pages.isEmpty())
                return QByteArray();
            const QByteArray page = made->pages.takeFirst();
            return page.isEmpty() ? QByteArray()
                                  : unitframes::serialReply(address, QByteArray(page).replace('\x03', ' '));
        };
        return made;
    }();
    return w;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool crLfLines(const QByteArray& file)
{
    if (!file.endsWith("\r\n"))
        return false;
    for (qsizetype i = 0; i < file.size(); ++i)
        if ((file[i] == '\n') != (i > 0 && file[i - 1] == '\r' && file[i] == '\n') ||
            (file[i] == '\r' && (i + 1 >= file.size() || file[i + 1] != '\n')))
            return false;
    return true;
}

// A text as the workbook stores it: characters it cannot hold as "?".
QString storable(QString text)
{
    for (QChar& c : text)
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r')
            c = u'?';
    return text;
}

// Exports the log and reads the workbook back: its cells are the laid-out sheet's.
void checkExport(LogWindow& w, const QString& name)
{
    Program& p = w.t.p();
    const QString path = p.platform.folders.dataFolder() + u'/' + name;
    const int type = GetLogType(name, p.unit.id.UnitSerialNo);
    const QString csv = ReadLogFileAsCsv(path, type, p.unit.id);
    const QString book = ExportLogsToExcel(p, {name});
    FUZZ_CHECK(!book.isEmpty(), "a log file exports");
    const auto sheets = ReadXlsx(book);
    QFile::remove(book);
    FUZZ_CHECK(sheets && sheets->size() == 1, "the workbook holds the log's sheet");
    const logsheet::SheetLayout layout = logsheet::LayOutLogSheet(QString(), {QString(), QString(), QString()}, csv);
    const XlsxSheet& sheet = sheets->front();
    for (const logsheet::Cell& c : layout.cells) {
        if (c.row <= logsheet::HeadingRow)
            continue;   // the title and identity, not the file's
        const QString at = logsheet::CellName(c.row, c.column);
        const XlsxCell read = sheet.cells.value(at);
        if (c.number) {
            FUZZ_CHECK(read.number &&
                           std::abs(read.value.toDouble() - c.value) <= 1e-9 * std::max(1.0, std::abs(c.value)),
                       "a number cell holds the field's number");
        } else {
            FUZZ_CHECK(!read.number && read.value == storable(c.text), "a text cell holds the field's text");
        }
    }
}

void download(const QByteArrayList& pieces)
{
    LogWindow& w = window();
    Program& p = w.t.p();
    const int kind = pieces[0].isEmpty() ? 0 : static_cast<uchar>(pieces[0][0]) % 8;
    w.pages = pieces.mid(1);
    w.t.commands.clear();
    w.t.prompts.boxes.clear();
    BeginConnection(p, false);
    p.conn.RemoteMode = true;
    const char* paramNames[] = {"plog.txt", "hlog.txt", "dlog.txt", "mlog.txt", "cmlog.txt"};
    const QString name = kind < 5    ? QString::fromLatin1(paramNames[kind])
                         : kind == 5 ? FaultLogFileName(p.unit.id.UnitSerialNo)
                                     : TrendLogFileName(p.unit.id.UnitSerialNo);
    const QString path = p.platform.folders.dataFolder() + u'/' + name;
    const QByteArray older = "older\r\n";
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(older) != older.size())
            return;
    }
    const QString written = kind < 5    ? w.t.w().GetParameterLogFile(kind)
                            : kind == 5 ? w.t.w().GetFaultLog(100, false)
                                        : w.t.w().GetTrendLogFile(kind == 7, 60);
    const QByteArray file = readAll(path);
    if (written.isEmpty()) {
        FUZZ_CHECK(file == older, "a failed download leaves the older file as it was");
        return;
    }
    FUZZ_CHECK(written == name, "the download names its file");
    FUZZ_CHECK(crLfLines(file), "every line of the file is ended by CR LF, none split");
    if (kind <= 5)
        checkExport(w, name);
}

}   // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::ensureWidgetApp();
    download({QByteArray(1, '\0'), "4P0 1.0 2.0 3.0 260314 1500!-----!"});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    download(fuzz::pieces(data, size));
    return 0;
}
