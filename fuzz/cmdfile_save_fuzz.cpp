// Saving the configuration command file of a unit that reports anything: the first read and
// the save's own queries are answered from the input (pieces "command NUL data" over a real
// unit's profile). The file is always Latin-1 lines ended by CR LF, each command alone on
// its line with no control character, so that its replay never refuses it.
#include "FuzzInput.h"
#include "FuzzUnit.h"
#include "files/CmdFileReplay.h"
#include "link/Transaction.h"
#include "support/MainWindowProgram.h"
#include "support/UnitFrames.h"
#include <QFile>

namespace {

MainWindowProgram& window()
{
    static MainWindowProgram& t = *new MainWindowProgram;
    return t;
}

// The file's lines; false when a line end is not CR LF or a line holds a control character.
bool splitLines(const QByteArray& file, QStringList& lines)
{
    if (!file.isEmpty() && !file.endsWith("\r\n"))
        return false;
    for (QByteArray line : file.split('\n')) {
        if (line.isEmpty())
            continue;   // after the last line end
        if (!line.endsWith('\r'))
            return false;
        line.chop(1);
        for (const char c : line)
            if (static_cast<uchar>(c) < 32 || c == 127)
                return false;
        lines << QString::fromLatin1(line);
    }
    return true;
}

void save(const QByteArrayList& pieces)
{
    MainWindowProgram& t = window();
    t.replies = fuzz::unitReplies(pieces);
    t.commands.clear();
    t.prompts.boxes.clear();
    BeginConnection(t.p(), false);
    t.w().FirstTimeRead();
    const QString path = t.tmp.filePath(QStringLiteral("saved.txt"));
    QFile::remove(path);
    if (!t.w().SaveCmdFile(path))
        return;
    QFile in(path);
    FUZZ_CHECK(in.open(QIODevice::ReadOnly), "a saved file can be read");
    QStringList lines;
    FUZZ_CHECK(splitLines(in.readAll(), lines), "every line is ended by CR LF and holds no control character");
    FUZZ_CHECK(PlanReplay(lines).controlCharLine == 0, "the replay takes every command line of the file");
    FUZZ_CHECK(lines.value(0) == QString(60, QLatin1Char('#')), "the file begins with its header");
}

}   // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::ensureWidgetApp();
    save({});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    save(fuzz::pieces(data, size));
    return 0;
}
