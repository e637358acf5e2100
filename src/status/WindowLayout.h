#pragma once
// The main window's layout per unit family: which frames and boxes show and what they say.
#include <array>

class EntryBoxState;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class Readings;
class StatusPanels;
class UpDown;
struct CommandContext;
struct frmMainUi;

class QWidget;

class WindowLayout {
public:
    // The controls it reads and writes.
    struct Controls {
        QLabel* Label31 = nullptr;
        QLabel* Label2 = nullptr;
        QLineEdit* txtAtnCnt = nullptr;
        UpDown* UpDown2 = nullptr;
        QCheckBox* chkConstPwr = nullptr;
        QLineEdit* txtConstLvl = nullptr;
        QGroupBox* Frame27 = nullptr;
        QCheckBox* chkPS = nullptr;
        QGroupBox* Frame30 = nullptr;
        QLabel* Label85 = nullptr;
        QLabel* Label86 = nullptr;
        QLabel* Label88 = nullptr;
        QLabel* Label90 = nullptr;
        QLabel* Label9 = nullptr;
        QLineEdit* txtHelix2I = nullptr;
        QLabel* Label10 = nullptr;
        QLabel* Label18 = nullptr;
        QLineEdit* txtAnodeV = nullptr;
        QLabel* Label37 = nullptr;
        QLabel* Label38 = nullptr;
        QLineEdit* txtCathI = nullptr;
        QLabel* Label39 = nullptr;
        QGroupBox* Frame14 = nullptr;
        QLabel* lblTWTSrvc = nullptr;
        QLabel* lblTWTLife = nullptr;
        QLabel* Label19 = nullptr;
        QLabel* Label20 = nullptr;
        QLineEdit* txtFrmRev = nullptr;
        QLineEdit* txtCplDate = nullptr;
        QLineEdit* txtPN = nullptr;
        QLineEdit* txtSN = nullptr;
        QAction* mnuFullFaultLog = nullptr;
        QAction* mnuPLog = nullptr;
        QAction* mnuCalFactor = nullptr;
        QAction* mnuAmpCom = nullptr;
        QAction* mnuReturnLoss = nullptr;
        QAction* mnuISense = nullptr;
        QAction* mnuHeaterState = nullptr;
        QAction* mnuHtrStby = nullptr;
        QAction* mnuRfiInvert = nullptr;
        QAction* mnuAutoHVDisable = nullptr;
    };
    WindowLayout(CommandContext& p, const frmMainUi& controls, StatusPanels& panels, Readings& readings,
                 EntryBoxState& entryState, QWidget& window);
    void InitDisplay();
    void InitDisplayForTWTAUnit();
    void InitTWTEOLParameters();
    void InitDisplayForSSPAUnit();
    void InitHelixHeaterFrame();
    void SetupHelixHeaterForNewDualTWT(bool dualTwt);
    void InitCathodeCurrentDisplay();
    void EnableCathodeCurrentDisplay();
    void DisableCathodeCurrentDisplay();
    void InitDLAtten();
    void DisableConstPwrInput();
    void EnableConstPwrInput();
    bool IsTxOn() const;

private:
    CommandContext& p;
    StatusPanels& panels_;
    Readings& readings_;
    EntryBoxState& entryState_;
    QWidget& window_;
    Controls ui;
    void showIdentityBoxes();
    void resetTubeOnlyState();
    std::array<QWidget*, 6> cathodeCurrentItems() const;
};
