#pragma once
#include "ui/frmLLDPConfigUi.h"
#include <QDialog>

struct CommandContext;
class QLineEdit;

// The unit's LLDP agent: shows the LLDP values the main window read from the unit, checks
// the operator's entries and sends each section that differs from them as one command.
// The program-wide values are left alone; the main window reads them again afterwards.
class frmLLDPConfig : public QDialog {
    Q_OBJECT
public:
    explicit frmLLDPConfig(CommandContext& p, QWidget* parent = nullptr);

    frmLLDPConfigUi ui;

    void LoadUserParams();
    void LoadFactoryParams();
    void SetUserDefaults();
    void SetFactoryDefaults();
    bool ValidUserParams();
    bool ValidFactoryParams();
    bool UserParamsChanged() const;
    bool FactoryParmsChanged() const;
    void SetUserParams();
    void SetFactoryParams();
    // Enter (13), Backspace (8) and the digits.
    static bool IsNumericKey(int keyAscii);
    void btnOK_Click();

    // The host name "Set Defaults" puts in.
    static const QString DefaultHostName;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchNumericBox(QLineEdit* box);
    void watchTextBox(QLineEdit* box);

    CommandContext& p_;
};
