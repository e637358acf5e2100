// The calibration tables and the cal-factor table from a unit that reports anything. A
// table's entries (the pieces after the first, over the serial line) are downloaded into
// its file, and the file uploaded back: the unit receives the same writes its entries make,
// one per entry that carries a value and an entry number, in order, or none at all when an
// entry may not be sent. The cal-factor reply
// (the first piece after its first byte) is saved as its header and exactly ten lines.
#include "FuzzInput.h"
#include "files/CmdFileSections.h"
#include "files/FileIO.h"
#include "link/ConnectionWatch.h"
#include "link/Transaction.h"
#include "support/TestProgram.h"
#include "support/UnitFrames.h"
#include "transfers/CalTableTransfer.h"
#include "transfers/CalTables.h"
#include "transfers/frmCalFactors.h"
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct CalUnit {
    TestProgram t;
    QByteArray readCommand;
    QByteArrayList entries;   // what the unit's table holds, served in turn
    QByteArrayList writes;    // the table writes it received
};

// Bytes the serial frame cannot carry inside its data (its start, end and checksum marks).
QByteArray frameSafe(QByteArray data)
{
    for (char& c : data)
        if (c == '\x02' || c == '\x03' || c == '\x06' || c == '\x15' || c == '{' || c == '}')
            c = ' ';
    return data;
}

CalUnit& unit()
{
    static CalUnit& u = *[] {
        auto* made = new CalUnit;
        made->t.serial.responder = [made](const QByteArray& frame) {
            char address = 0;
            QByteArray command;
            if (!unitframes::parseSerialRequest(frame, address, command))
                return QByteArray();
            made->t.commands << command;
            if (command == "QS?")
                return unitframes::serialReply(address, made->t.replies.value("QS?"));
            if (command.startsWith(made->readCommand)) {
                const QByteArray entry = made->entries.isEmpty() ? QByteArray("NO ENTRY") : made->entries.takeFirst();
                return unitframes::serialReply(address, made->readCommand + entry);
            }
            if (command.startsWith("YFF") || command.startsWith("YAF"))
                made->writes << command;
            return unitframes::serialReply(address, QByteArray());
        };
        return made;
    }();
    return u;
}

// The writes the entries make: an entry is one line of the file, its line ends blanks. An
// entry that holds a control character or a level outside the table's keeps the whole file
// from being sent.
QByteArrayList expectedWrites(const CalTableKind& kind, const QByteArrayList& entries, double first, double last)
{
    QByteArrayList writes;
    for (const QByteArray& entry : entries) {
        const QString line = QString::fromLatin1(entry).replace(u'\r', u' ').replace(u'\n', u' ');
        if (!line.startsWith(u'#') && HoldsControlChar(line))
            return {};
        const QString value = GetCalLineValue(line);
        const QString number = GetCalLineEntry(line);
        if (value.isEmpty() || number.isEmpty())
            continue;
        const double level = value.toDouble();
        if (level < first - 1e-9 || level > last + 1e-9)
            return {};
        writes << QByteArray(kind.writeCommand) + value.toLatin1() + ' ' + number.toLatin1();
    }
    return writes;
}

void roundTrip(CalUnit& u, bool rf, const QByteArrayList& table)
{
    const CalTableKind& kind = rf ? RfCalTable : AtnCalTable;
    Program& p = u.t.p();
    QByteArrayList entries;
    for (const QByteArray& piece : table)
        entries << frameSafe(piece).replace("NO ENTRY", "NO_ENTRY");
    u.readCommand = kind.readCommand;
    u.entries = entries;
    u.writes.clear();
    const QString path = u.t.tmp.filePath(QStringLiteral("table.txt"));
    const ConnectionWatch connection(p);
    const LogPaging c{p, p.transfers, connection};
    {
        FileIO out(&p.platform.clock);
        if (!(rf ? out.OpenRfCalFile(path, false) : out.OpenAtnCalFile(path, false)))
            return;
        const PagingResult read = rf ? DownloadRfCalEntries(c, out) : DownloadAtnCalEntries(c, out, -40);
        FUZZ_CHECK(read == PagingResult::Read, "a table the unit serves whole is read");
        FUZZ_CHECK(out.CloseFile(), "the table's file is written");
    }
    FileIO in;
    FUZZ_CHECK(rf ? in.OpenRfCalFile(path, true) : in.OpenAtnCalFile(path, true), "the table's file reads back");
    QStringList lines;
    while (!in.AtEndOfFile())
        lines << in.ReadNextLine();
    const int firstTenths = rf ? 0 : -40;
    const CalUploadPlan plan = PlanCalUpload(lines, kind, firstTenths, firstTenths + kind.levels - 1);
    const UploadResult sent = UploadCalEntries(c, kind, plan, static_cast<int>(lines.size()));
    FUZZ_CHECK(u.writes == expectedWrites(kind, entries, firstTenths / 10.0, (firstTenths + kind.levels - 1) / 10.0),
               "the upload sends the writes of the table's entries, or nothing at all");
    FUZZ_CHECK(sent.outcome != UploadResult::Refused && sent.outcome != UploadResult::Ended,
               "a unit that takes every write sees the upload through");
}

void saveCalFactors(CalUnit& u, const QByteArray& reply)
{
    u.t.replies["QS?"] = "QS" + frameSafe(reply);
    frmCalFactors d(u.t.p());
    const QString path = u.t.tmp.filePath(QStringLiteral("calfac.txt"));
    QFile::remove(path);
    u.t.prompts.fileAnswers = {path};
    d.ui.btnSaveTable->click();
    QFile f(path);
    FUZZ_CHECK(f.open(QIODevice::ReadOnly), "the cal-factor file is saved");
    const QByteArray file = f.readAll();
    FUZZ_CHECK(file.endsWith("\r\n") && file.count('\n') == 20 && file.count('\r') == 20,
               "the cal-factor file is its header and ten lines");
}

void run(const QByteArrayList& pieces)
{
    CalUnit& u = unit();
    BeginConnection(u.t.p(), false);
    u.t.commands.clear();
    const bool rf = !pieces[0].isEmpty() && (pieces[0][0] & 1);
    roundTrip(u, rf, pieces.mid(1, 40));
    saveCalFactors(u, pieces[0].mid(1));
}

}   // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::ensureWidgetApp();
    run({"\x01"
         "1.5,0.2;",
         "12.5 dB Entry#0001"});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    run(fuzz::pieces(data, size));
    return 0;
}
