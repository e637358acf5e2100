#pragma once
// The reads of the unit's features at connect time and after a change of band or setting.
#include <QtGlobal>

class EntryBoxState;
class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
struct CommandContext;
struct frmMainUi;

class FeatureReads {
public:
    // The controls it reads and writes.
    struct Controls {
        QComboBox* cmbRfBand = nullptr;
        QCheckBox* chkRFI = nullptr;
        QComboBox* cmbFhiTripType = nullptr;
        QLineEdit* txtFhiLvl = nullptr;
        QComboBox* cmbFloTripType = nullptr;
        QLineEdit* txtFloLvl = nullptr;
        QComboBox* cmbRhiTripType = nullptr;
        QLineEdit* txtRhiLvl = nullptr;
        QAction* mnuUseEnet = nullptr;
        QAction* mnuEnterIP = nullptr;
        QAction* mnuEthPort = nullptr;
        QAction* mnuOpenWebpage = nullptr;
        QAction* mnuEnetCfg = nullptr;
        QAction* mnuLLDPCfg = nullptr;
        QAction* mnulcBucSetup = nullptr;
        QAction* mnuGainBal = nullptr;
        QAction* mnuMaxPwrLvl = nullptr;
        QAction* mnuPowerSave = nullptr;
        QAction* mnuAutoClrBUC = nullptr;
        QAction* mnuRack = nullptr;
        QAction* mnu2ndUmbilical = nullptr;
    };
    FeatureReads(CommandContext& p, const frmMainUi& controls, EntryBoxState& entryState);
    void UpdateAMCParameters();
    void InitPowerSaveParameters();
    void InitLCBuc();
    void InitBandParameters(qint16 band);
    void UpdateRFIStatus();
    void InitEnetParams();
    void InitCurrentSenseParams();
    void InitUnitCfg();
    void InitLLDP();
    void InitPowerLimit();
    void InitTempComp();
    void InitFactoryTripLevels();
    void InitRFBand();
    void InitReverseRFOffset();
    void InitRFTripLevels();
    void InitCom1Settings();
    void InitCom2Settings();
    void ParseEnetparams();
    void UpdateGainBalance();
    bool UpdateUnitGain();

private:
    CommandContext& p;
    EntryBoxState& entryState_;
    Controls ui;
};
