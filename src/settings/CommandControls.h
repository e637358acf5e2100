#pragma once
// The one-shot command controls of the main window: the check boxes and lists the status
// panels write, and the buttons.
#include <functional>
#include <QString>

class FeatureReads;
class HandlerDepth;
class LevelSetters;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;
class Readings;
class WindowLayout;
struct CommandContext;
struct frmMainUi;

class CommandControls {
public:
    // The controls it reads and writes.
    struct Controls {
        QLabel* Label31 = nullptr;
        QLabel* Label35 = nullptr;
        QLabel* Label36 = nullptr;
        QLineEdit* txtFdBm = nullptr;
        QCheckBox* chkConstPwr = nullptr;
        QLineEdit* txtConstLvl = nullptr;
        QComboBox* cmbRfBand = nullptr;
        QLabel* lblRFFrqVal = nullptr;
        QCheckBox* chkPS = nullptr;
        QCheckBox* chkRFI = nullptr;
        QComboBox* cmbWgSw1 = nullptr;
        QComboBox* cmbWgSw2 = nullptr;
        QCheckBox* chkAutoMode = nullptr;
        QComboBox* cmbWgCfg = nullptr;
    };
    CommandControls(CommandContext& p, const frmMainUi& controls, QWidget& window, HandlerDepth& busy,
                    LevelSetters& levels, FeatureReads& features, WindowLayout& layout, Readings& readings);
    // Each runs on every change of its control, also when code makes it, as the
    // status panels rely on; each does nothing while FormUpdating is set.
    void chkPS_Click();
    void chkConstPwr_Click();
    void chkRFI_Click();
    void chkAutoMode_Click();
    void cmbWgCfg_Click();
    void cmbWgSw1_Click();
    void cmbWgSw2_Click();
    void cmbRfBand_Click();
    // The buttons and the RF frequency label act on the operator's click only.
    void btnFaultReset_Click();
    void btnGoToPwr_Click();
    void lblRFFrqVal_DblClick();

private:
    CommandContext& p;
    QWidget& window_;
    HandlerDepth& busy_;
    LevelSetters& levels_;
    FeatureReads& features_;
    WindowLayout& layout_;
    Readings& readings_;
    Controls ui;
    // A check box's command, or a list entry's, sent for the tick or entry the operator gave
    // it, once the link is free; in local mode the box shows instead and a check box gets its
    // tick back.
    void checkBoxClicked(QCheckBox* box, std::function<void(bool tick)> send);
    void listChosen(QComboBox* list, std::function<void(const QString& entry)> send);
    void refreshAfterTransmitter();
};
