#pragma once
// The setting toggles, unit actions and program entries of the menus, and the menus of the
// link and the display. A toggle's mark changes only when the unit acknowledged its command.
#include <functional>
#include <QString>

class PowerUnits;
class QAction;
class QPushButton;
class QWidget;
class SubBands;
class UnitConnection;
struct CommandContext;
struct frmMainUi;

class SettingMenus {
public:
    // The controls it reads and writes.
    struct Controls {
        QPushButton* btnConnect = nullptr;
        QAction* mnuAdvSrch = nullptr;
        QAction* mnuPollEn = nullptr;
        QAction* mnuPollAdrs = nullptr;
        QAction* mnuUseEnet = nullptr;
        QAction* mnuHeaterState = nullptr;
        QAction* mnuHtrStby = nullptr;
        QAction* mnuLEDMode = nullptr;
        QAction* mnuRfiInvert = nullptr;
        QAction* mnuAutoHVDisable = nullptr;
        QAction* mnuAutoClrBUC = nullptr;
        QAction* mnuWatts = nullptr;
    };
    SettingMenus(CommandContext& p, const frmMainUi& controls, QWidget& window, UnitConnection& connection,
                 SubBands& bands, PowerUnits& powerUnits);
    // A toggle's mark changes only when the unit acknowledged its command.
    void mnuHeaterState_Click();
    void mnuHtrStby_Click();
    void mnuLEDMode_Click();
    void mnuRfiInvert_Click();
    void mnuAutoHVDisable_Click();
    void mnuAutoClrBUC_Click();
    void mnuReturnLoss_Click();
    void mnuReboot_Click();
    void mnuWgArcTest_Click();
    void mnuSumFltTest_Click();
    void mnuOpenWebpage_Click();
    void mnuModelCfgPN_Click();
    void mnuFileExit_Click();
    void mnuISense_Click();
    void mnuPsVset_Click();
    void mnuUseEnet_Click();
    void mnuPollEn_Click();
    void mnuPollAdrs_Click();
    void mnuWatts_Click();

    void mnuSubB_Click(int n);   // sub-band item n (1 to 8)

private:
    CommandContext& p;
    QWidget& window_;
    UnitConnection& connection_;
    SubBands& bands_;
    PowerUnits& powerUnits_;
    Controls ui;
    // Sends the command for the mark the click asks for (`tick`); on acknowledgement sets the
    // mark and runs `acknowledged`.
    void toggleSetting(QAction* entry, bool remoteTest, const std::function<QString(bool tick)>& command,
                       const std::function<void(bool tick)>& acknowledged = {});
};
