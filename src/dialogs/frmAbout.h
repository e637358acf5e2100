#pragma once
#include "ui/frmAboutUi.h"
#include <QDialog>

class IPrompts;
class ISystemInfoTool;

// The About box: the program's release and part number, and a button that starts the
// platform's system-information tool.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    enum class RegistryRoot { LocalMachine };

    frmAbout(IPrompts& prompts, ISystemInfoTool& tool, QWidget* owner = nullptr);

    frmAboutUi ui;

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();
    bool GetKeyValue(RegistryRoot root, const QString& keyPath, const QString& valueName, QString& value);

private:
    void Form_Load();
    QString toolPath();
    void showUnavailable();

    IPrompts& prompts_;
    ISystemInfoTool& tool_;
};
