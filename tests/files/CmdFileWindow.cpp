#include "CmdFileWindow.h"
#include "support/SimUnitAcknowledge.h"
#include <QDir>

CmdFileWindow::CmdFileWindow(UnitLink link, const SimUnitProfile& profile)
    : LinkedMainWindow(link, QuickProfile(profile))
{
    unit.addFeature(std::make_shared<SimUnitAcknowledgeSettings>());
}

bool CmdFileWindow::connect()
{
    const bool connected = LinkedMainWindow::connect();
    p().conn.RemoteMode = true;
    return connected;
}

QByteArray CmdFileWindow::save(const QString& folder, const QString& name)
{
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    w().SaveCmdFile(path);
    return ReadFileBytes(path);
}
