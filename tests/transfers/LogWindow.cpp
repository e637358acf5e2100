#include "LogWindow.h"
#include "support/UnitFrames.h"
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <gtest/gtest.h>

const char* LogLinkName(LogLink link) { return link == LogLink::Pty ? "Pty" : "Tcp"; }

LogWindow::LogWindow(LogLink l, SimUnitProfile profile) : link(l)
{
    profile.refuseAllUnknown();
    unit.setProfile(profile);
    unit.addFeature(logs);
    if (link == LogLink::Tcp) {
        EXPECT_TRUE(tcpSim.listen());
        store.setText("Settings", "UseEnet", "True");
        store.setText("Settings", "UseIP", "127.0.0.1");
        store.setText("Settings", "EthPort", QString::number(tcpSim.port()));
    } else {
        EXPECT_TRUE(serialSim.start()) << serialSim.errorText().toStdString();
        serialSim.mapPort(store, 3);
        store.setText("Settings", "CurrentPort", "3");
    }
    program = std::make_unique<Program>(
        fakes.platform({.serial = &serial, .tcp = &socket, .clock = &clock, .settings = &store}));
    window = std::make_unique<frmMain>(*program);
}

LogWindow::~LogWindow()
{
    window.reset();
    p().LinkObject.setOpenPort(false);
}

bool LogWindow::connect()
{
    w().Form_Load();
    w().btnConnect_Click();
    w().Timer1.stop();
    const bool connected = w().ui.btnConnect->text() == "Disconnect";
    EXPECT_TRUE(connected);
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

QStringList LogWindow::boxes() const
{
    QStringList out;
    for (const FakePrompts::Box& b : prompts.boxes)
        out << b.title + ": " + b.text;
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
