#include "LogWindow.h"
#include "support/UnitFrames.h"
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <gtest/gtest.h>

LogWindow::LogWindow(UnitLink link, SimUnitProfile profile) : LinkedMainWindow(link, QuickProfile(std::move(profile)))
{
    unit.addFeature(logs);
    onSent = [this](const QByteArray& bytes, bool tcp) { record(bytes, tcp); };
}

bool LogWindow::connect()
{
    const bool connected = LinkedMainWindow::connect();
    EXPECT_TRUE(prompts.boxes.isEmpty());
    QDir().mkpath(folders.dataFolder());
    clearLogs();
    return connected;
}

void LogWindow::clearLogs()
{
    sent.clear();
    unit.clearCommands();
    prompts.boxes.clear();
    shell.opened.clear();
    progress = FakeProgress();
}

void LogWindow::record(const QByteArray& bytes, bool tcp)
{
    char address = 0;
    QByteArray command;
    const bool request = tcp ? unitframes::parseTcpRequest(bytes, address, command)
                             : unitframes::parseSerialRequest(bytes, address, command);
    if (request)
        sent.append({command, p().LinkObject.MsgTimeout()});
}

QByteArrayList LogWindow::commands() const
{
    QByteArrayList out;
    for (const SentCommand& s : sent)
        out << s.command;
    return out;
}

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray GoldenBytes(const char* name)
{
    return ReadBytes(QStringLiteral(TUBAMON_SOURCE_DIR "/tests/transfers/golden/") + QLatin1String(name));
}

QByteArrayList LogBodyLines(const QByteArray& file)
{
    const QByteArray rule = QByteArray(60, '#') + "\r\n\r\n";
    const qsizetype body = file.indexOf(rule, 60);
    if (body < 0)
        return {};
    QByteArrayList lines = file.mid(body + rule.size()).split('\n');
    lines.removeLast();   // after the last line end
    for (QByteArray& line : lines)
        line.chop(1);   // the CR
    return lines;
}

QByteArrayList LogPages(const QByteArray& prefix, int from, int to, int step)
{
    QByteArrayList out;
    for (int i = from; i <= to; i += step)
        out << prefix + QByteArray::number(i);
    return out;
}
