#pragma once
// The main window's states: cleared, disabled, enabled, connected.
#include <vector>
#include <array>

class EntryBoxState;
class PowerUnits;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class StatusPanels;
class SubBands;
class UpDown;
class WindowLayout;
struct CommandContext;
struct FilesState;
struct frmMainUi;

class QWidget;

class WindowStates {
public:
    // The controls it reads and writes.
    struct Controls {
        QLineEdit* txtFdBm = nullptr;
        QLineEdit* txtFCnt = nullptr;
        QLineEdit* txtRdBm = nullptr;
        QLineEdit* txtRCnt = nullptr;
        QLineEdit* txtAtnDB = nullptr;
        UpDown* UpDown1 = nullptr;
        QLabel* Label2 = nullptr;
        QLineEdit* txtAtnCnt = nullptr;
        UpDown* UpDown2 = nullptr;
        QLineEdit* txtTemp = nullptr;
        QLabel* Label12 = nullptr;
        QLineEdit* txtTemp2 = nullptr;
        QLabel* Label14 = nullptr;
        QCheckBox* chkConstPwr = nullptr;
        QLineEdit* txtConstLvl = nullptr;
        QPushButton* btnGoToPwr = nullptr;
        QComboBox* cmbRfBand = nullptr;
        QLabel* lblRFFrq = nullptr;
        QLabel* lblRFFrqVal = nullptr;
        QLabel* lblSBandFrq = nullptr;
        QCheckBox* chkPS = nullptr;
        QCheckBox* chkRFI = nullptr;
        QComboBox* cmbFhiTripType = nullptr;
        QLineEdit* txtFhiLvl = nullptr;
        QComboBox* cmbFloTripType = nullptr;
        QLineEdit* txtFloLvl = nullptr;
        QComboBox* cmbRhiTripType = nullptr;
        QLineEdit* txtRhiLvl = nullptr;
        QLineEdit* txtHelixV = nullptr;
        QLineEdit* txtHelixI = nullptr;
        QLineEdit* txtHeaterV = nullptr;
        QLineEdit* txtHelix2I = nullptr;
        QLineEdit* txtAnodeV = nullptr;
        QLineEdit* txtCathI = nullptr;
        QLineEdit* txtCS1 = nullptr;
        QLineEdit* txtCS3 = nullptr;
        QLineEdit* txtCS2 = nullptr;
        QLineEdit* txtCS4 = nullptr;
        QLabel* lblTWTSrvc = nullptr;
        QLabel* lblTWTLife = nullptr;
        QComboBox* cmbWgSw1 = nullptr;
        QComboBox* cmbWgSw2 = nullptr;
        QCheckBox* chkAutoMode = nullptr;
        QComboBox* cmbWgCfg = nullptr;
        QLineEdit* txtPSHours = nullptr;
        QLineEdit* txtXmtHours = nullptr;
        QLineEdit* txtLinAmp = nullptr;
        UpDown* UpDown3 = nullptr;
        QLineEdit* txtLinPhase = nullptr;
        UpDown* UpDown4 = nullptr;
        QLineEdit* txtFrmRev = nullptr;
        QLineEdit* txtCplDate = nullptr;
        QLineEdit* txtPN = nullptr;
        QLineEdit* txtSN = nullptr;
        QLineEdit* txtDateTime = nullptr;
        QPushButton* Command7 = nullptr;
        QLineEdit* txtAdr = nullptr;
        QPushButton* btnConnect = nullptr;
        QPushButton* btnFaultReset = nullptr;
        QLabel* sbStatusBarPanel1 = nullptr;
        QAction* mnuLoadFile = nullptr;
        QAction* mnuSaveAs = nullptr;
        QMenu* mnuFaultLog = nullptr;
        QAction* mnuDnldFltLog = nullptr;
        QAction* mnuFullFaultLog = nullptr;
        QAction* mnuPLog = nullptr;
        QAction* mnuTrendLogs = nullptr;
        QAction* mnuAtnCal = nullptr;
        QAction* mnuCalFactor = nullptr;
        std::array<QAction*, 8> mnuCalTables{};
        QAction* mnuUseEnet = nullptr;
        QAction* mnuEnterIP = nullptr;
        QAction* mnuEthPort = nullptr;
        QAction* mnuOpenWebpage = nullptr;
        QAction* mnuEnetCfg = nullptr;
        QAction* mnuLLDPCfg = nullptr;
        QAction* mnuAmpCom = nullptr;
        QAction* mnulcBucSetup = nullptr;
        QAction* mnuGainBal = nullptr;
        QAction* mnuMaxPwrLvl = nullptr;
        QAction* mnuStartupCfg = nullptr;
        QAction* mnuTempTripLevels = nullptr;
        QAction* mnuFltAlm = nullptr;
        QAction* mnuReturnLoss = nullptr;
        QAction* mnuPsVset = nullptr;
        QAction* mnuISense = nullptr;
        QAction* mnuCathCurInit = nullptr;
        QAction* mnuHeaterState = nullptr;
        QAction* mnuHtrStby = nullptr;
        QAction* mnuLEDMode = nullptr;
        QAction* mnuRfiInvert = nullptr;
        QAction* mnuAutoHVDisable = nullptr;
        QAction* mnuAutoClrBUC = nullptr;
        QAction* mnuReboot = nullptr;
        QAction* mnuModelCfgPN = nullptr;
        QAction* mnuWgArcTest = nullptr;
        QAction* mnuSumFltTest = nullptr;
        QAction* mnuWatts = nullptr;
    };
    WindowStates(CommandContext& p, FilesState& files, const frmMainUi& controls, WindowLayout& layout,
                 StatusPanels& panels, PowerUnits& powerUnits, SubBands& bands, EntryBoxState& entryState,
                 QWidget& window);
    void ClearForm();
    void DisableForm();
    void EnableForm();
    // After a first read on a connection still up: "Disconnect", a fresh retry budget, the
    // window enabled and the constant-power inputs as the transmitter allows.
    void ShowConnectedWindow();

private:
    CommandContext& p;
    FilesState& files_;
    WindowLayout& layout_;
    StatusPanels& panels_;
    PowerUnits& powerUnits_;
    SubBands& bands_;
    EntryBoxState& entryState_;
    QWidget& window_;
    Controls ui;
    std::vector<QWidget*> unitEntryControls() const;
    std::vector<QAction*> unitMenus() const;
};
