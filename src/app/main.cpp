#include "app/Program.h"
#include "platform/Folders.h"
#include "platform/QtClock.h"
#include "platform/QtProgress.h"
#include "platform/QtPrompts.h"
#include "platform/QtSerialControl.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtShell.h"
#include "platform/QtSystemInfoTool.h"
#include "platform/QtTcpSocket.h"
#include "platform/QtUdpSocket.h"
#include "app/frmMain.h"
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tubamon"));

    QtSettingsStore settings;
    QtSerialControl serial(&settings);
    QtClock clock;
    QtPrompts prompts;
    QtShell shell;
    QtTcpSocket tcp;
    QtUdpSocket udp(&settings);
    QtProgress progress;
    QtSystemInfoTool sysInfo;
    Folders folders;

    const Platform pf{.serial = serial,
                      .tcp = tcp,
                      .clock = clock,
                      .prompts = prompts,
                      .settings = settings,
                      .shell = shell,
                      .folders = folders,
                      .udp = udp,
                      .progress = progress,
                      .sysInfo = sysInfo};
    Program program(pf);

    // Showing the main window loads it (settings, link, menus); closing it unloads it
    // (settings saved, port and socket closed), and that ends the program.
    frmMain window(program);
    prompts.setParent(&window);
    progress.setParent(&window);
    QObject::connect(&window, &frmMain::unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    window.show();
    return app.exec();
}
