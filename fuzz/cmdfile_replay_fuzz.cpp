// Replaying a command file holding any bytes into a unit that takes every command: a command
// line holding a control character stops the replay before anything is sent (with its box);
// otherwise the unit receives exactly the file's command lines, unchanged and in order.
#include "FuzzInput.h"
#include "link/Transaction.h"
#include "support/MainWindowProgram.h"
#include "support/UnitFrames.h"
#include <QFile>
#include <optional>

namespace {

// The file's command lines as the unit must receive them: lines ended by LF or CR LF, a
// byte-order mark at the very start skipped, empty lines and those beginning with "#" left
// out; nothing when a command line holds a control character.
std::optional<QByteArrayList> commandLines(QByteArray file)
{
    if (file.startsWith("\xef\xbb\xbf"))
        file.remove(0, 3);
    QByteArrayList lines = file.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    QByteArrayList commands;
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        for (const char c : line)
            if (static_cast<uchar>(c) < 32 || c == 127)
                return std::nullopt;
        commands << line;
    }
    return commands;
}

// The window and its unit, kept for the whole run like the application.
MainWindowProgram& window()
{
    static MainWindowProgram& t = *new MainWindowProgram;
    static const bool connected = [] {
        t.serial.responder = [](const QByteArray& frame) {
            char address = 0;
            QByteArray command;
            if (!unitframes::parseSerialRequest(frame, address, command))
                return QByteArray();
            t.commands << command;
            return unitframes::serialReply(address, QByteArray());   // taken, nothing to echo
        };
        BeginConnection(t.p(), false);
        return true;
    }();
    (void)connected;
    return t;
}

// Replays `file` and checks what reached the unit.
void replay(const QByteArray& file)
{
    MainWindowProgram& t = window();
    const QString path = t.tmp.filePath(QStringLiteral("replay.txt"));
    {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(file) != file.size())
            return;
    }
    t.p().conn.RemoteMode = true;
    t.commands.clear();
    t.prompts.boxes.clear();
    t.prompts.answers = {PromptAnswer::Yes};   // a file naming another model is sent all the same
    const bool replayed = t.w().LoadCmdFile(path);
    t.prompts.answers.clear();
    // The question before a file of another model is no report of the replay.
    t.prompts.boxes.removeIf([](const FakePrompts::Box& box) { return box.icon == PromptIcon::Question; });
    const std::optional<QByteArrayList> expected = commandLines(file);
    if (!expected) {
        FUZZ_CHECK(t.commands.isEmpty(), "a control character stops the replay before anything is sent");
        FUZZ_CHECK(t.prompts.boxes.size() == 1, "a control character is told in one box");
        return;
    }
    FUZZ_CHECK(t.commands == *expected, "the unit receives exactly the file's command lines, in order");
    FUZZ_CHECK(replayed == !expected->isEmpty(), "the replay reports whether it sent a command");
    FUZZ_CHECK(t.prompts.boxes.isEmpty(), "a replay the unit takes whole shows no box");
}

}   // namespace

// The window is built and a first file replayed before the inputs run: the font and style
// caches the first paint fills live until exit and are no leak of one input.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::ensureWidgetApp();
    replay("K5\r\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    replay(fuzz::bytes(data, size));
    return 0;
}
