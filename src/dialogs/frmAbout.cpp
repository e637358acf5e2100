#include "dialogs/frmAbout.h"
#include "dialogs/ProgramVersion.h"
#include "platform/Prompts.h"
#include "platform/SystemInfoTool.h"
#include <QLabel>
#include <QPushButton>

namespace {
// Where the registry has no tool: system-information programs of the common desktops.
const QStringList DesktopTools = {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
                                  QStringLiteral("gnome-system-monitor")};
}   // namespace

frmAbout::frmAbout(IPrompts& prompts, ISystemInfoTool& tool, QWidget* owner)
    : QDialog(owner), prompts_(prompts), tool_(tool)
{
    ui.setupUi(this);
    connect(ui.cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(ui.cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    Form_Load();
}

void frmAbout::Form_Load()
{
    ui.lblVersion->setText(VersionLabelText(CurrentProgramVersion()));
    ui.lblTitle->setText(QStringLiteral("Tubamon Utility (Tubamon)"));
}

void frmAbout::cmdOK_Click() { accept(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo()
{
    const QString path = toolPath();
    if (path.isEmpty() || !tool_.startDetached(path))
        showUnavailable();
}

// The tool's path from the registry's two places, else the first desktop tool on the PATH;
// "" when there is none.
QString frmAbout::toolPath()
{
    QString value;
    if (GetKeyValue(RegistryRoot::LocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                    QStringLiteral("PATH"), value))
        return value;
    if (GetKeyValue(RegistryRoot::LocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                    QStringLiteral("MSINFO"), value)) {
        QString exe = value + QStringLiteral("\\MSINFO32.EXE");
        if (tool_.fileExists(exe))
            return exe;
    }
    return tool_.findProgram(DesktopTools);
}

bool frmAbout::GetKeyValue(RegistryRoot, const QString& keyPath, const QString& valueName, QString& value)
{
    if (!tool_.registryString(keyPath, valueName, value)) {
        value.clear();
        return false;
    }
    const qsizetype nul = value.indexOf(QChar(0));
    if (nul >= 0)
        value.truncate(nul);
    return true;
}

void frmAbout::showUnavailable()
{
    prompts_.message(QStringLiteral("System Information Is Unavailable At This Time"), QStringLiteral("Tubamon"),
                     PromptIcon::None);
}
