#pragma once
// The controls, frames and menus of the main window, one member per control, each
// named as the control is named (element i of a control array X is objectName "X_i").
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QStatusBar;
class QWidget;
class IndicatorListArea;
class UpDown;

struct frmMainUi {
    QWidget* centralWidget = nullptr;

    // Summary status panel
    QGroupBox* Frame15 = nullptr;      // "Summary Status"
    QLabel* Label31 = nullptr;         // transmitter state
    QLabel* Label32 = nullptr;         // "Auto HV On"
    QLabel* Label33 = nullptr;         // "Remote" / "Local"
    QLabel* Label34 = nullptr;         // "Const Power"
    QLabel* Label35 = nullptr;         // "RF Inhibited"
    QLabel* Label36 = nullptr;         // "Summary Fault"
    QLabel* Label13 = nullptr;         // "Htr Standby"
    QLabel* lblSBUCWarmup = nullptr;   // "BUC Warmup"
    QLabel* lbllcBucDrive = nullptr;   // "IF Drive High"

    // Fault and alarm lists
    QGroupBox* Frame28 = nullptr;   // "Fault Status"
    std::array<QLabel*, 6> FaultAbit{};
    std::array<QLabel*, 6> FaultBbit{};
    std::array<QLabel*, 6> FaultCbit{};
    std::array<QLabel*, 6> FaultDbit{};
    QLabel* NoFaults = nullptr;
    QGroupBox* Frame26 = nullptr;   // "Alarm Status"
    std::array<QLabel*, 6> AlarmAbit{};
    std::array<QLabel*, 6> AlarmBbit{};
    std::array<QLabel*, 6> AlarmCbit{};
    std::array<QLabel*, 6> AlarmDbit{};
    QLabel* NoAlarms = nullptr;
    // The scrollable rows of each list frame; the labels above live in them.
    IndicatorListArea* FaultList = nullptr;   // in Frame28
    IndicatorListArea* AlarmList = nullptr;   // in Frame26

    // RF power
    QGroupBox* Frame5 = nullptr;   // "Fwd RF Power"
    QLineEdit* txtFdBm = nullptr;
    QLabel* Label5 = nullptr;       // power unit
    QLineEdit* txtFCnt = nullptr;   // forward count / input drive power
    QLabel* Label6 = nullptr;       // "Count" or the drive power's unit
    QGroupBox* Frame6 = nullptr;    // "Rev RF Power"
    QLineEdit* txtRdBm = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* txtRCnt = nullptr;

    // Attenuation
    QGroupBox* Frame3 = nullptr;   // "Attenuation"
    QLineEdit* txtAtnDB = nullptr;
    UpDown* UpDown1 = nullptr;
    QLabel* lblAtnUnit = nullptr;   // "dB"
    QLabel* Label2 = nullptr;       // "DAC" / "FBDC"
    QLineEdit* txtAtnCnt = nullptr;
    UpDown* UpDown2 = nullptr;

    // Temperature
    QGroupBox* Frame13 = nullptr;        // "Temperature"
    QLabel* lblUnitTempType = nullptr;   // "TWTA" / "SSPA"
    QLineEdit* txtTemp = nullptr;
    QLabel* lblTempUnit = nullptr;   // degrees Celsius
    QLabel* Label12 = nullptr;       // "Inlet:"
    QLineEdit* txtTemp2 = nullptr;
    QLabel* Label14 = nullptr;   // degrees Celsius of the inlet

    // Constant power
    QGroupBox* Frame20 = nullptr;       // "Constant Pwr"
    QCheckBox* chkConstPwr = nullptr;   // "Enabled"
    QLineEdit* txtConstLvl = nullptr;
    QLabel* Label64 = nullptr;
    QPushButton* btnGoToPwr = nullptr;   // "GoTo Power"

    // RF band, sub-band and frequency
    QGroupBox* Frame27 = nullptr;   // "Current RF Band"
    QComboBox* cmbRfBand = nullptr;
    QLabel* lblRFFrq = nullptr;   // "RF Frq:"
    QLabel* lblRFFrqVal = nullptr;
    QLabel* lblSband = nullptr;   // "SBand:"
    QLabel* lblSBandFrq = nullptr;

    // Transmit control
    QGroupBox* fraTransmitControl = nullptr;   // "Transmit Control"
    QCheckBox* chkPS = nullptr;                // "Transmitter ON"
    QCheckBox* chkRFI = nullptr;               // "RF Inhibit"

    // RF trip levels
    QGroupBox* fraTripLevels = nullptr;   // "RF Trip Levels"
    QLabel* lblFhiTrip = nullptr;
    QComboBox* cmbFhiTripType = nullptr;
    QLineEdit* txtFhiLvl = nullptr;
    QLabel* Label67 = nullptr;
    QLabel* lblFloTrip = nullptr;
    QComboBox* cmbFloTripType = nullptr;
    QLineEdit* txtFloLvl = nullptr;
    QLabel* Label69 = nullptr;
    QLabel* lblRhiTrip = nullptr;
    QComboBox* cmbRhiTripType = nullptr;
    QLineEdit* txtRhiLvl = nullptr;
    QLabel* Label71 = nullptr;

    // Helix / heater and cathode current (tube units)
    QGroupBox* Frame30 = nullptr;   // "Helix/Heater"
    QLabel* Label85 = nullptr;      // "Hlx V:"
    QLineEdit* txtHelixV = nullptr;
    QLabel* lblHelixVUnit = nullptr;   // "kV"
    QLabel* Label86 = nullptr;         // "Hlx I:"
    QLineEdit* txtHelixI = nullptr;
    QLabel* lblHelixIUnit = nullptr;   // "mA"
    QLabel* Label88 = nullptr;         // "Htr V:"
    QLineEdit* txtHeaterV = nullptr;
    QLabel* Label90 = nullptr;   // "V"
    QLabel* Label9 = nullptr;    // "Hlx2 I:" / "Htr I:"
    QLineEdit* txtHelix2I = nullptr;
    QLabel* Label10 = nullptr;   // "mA" / "A"
    QLabel* Label18 = nullptr;   // anode voltage
    QLineEdit* txtAnodeV = nullptr;
    QLabel* Label37 = nullptr;   // "V"
    QLabel* Label38 = nullptr;   // "Ik:"
    QLineEdit* txtCathI = nullptr;
    QLabel* Label39 = nullptr;   // "mA"

    // Current sense / DC input voltage (other families)
    QGroupBox* Frame14 = nullptr;   // "Current Sense" / "DC Input Voltage"
    QLabel* Label21 = nullptr;      // "1:"
    QLineEdit* txtCS1 = nullptr;
    QLineEdit* txtCS3 = nullptr;
    QLabel* Label25 = nullptr;   // "A"
    QLabel* Label22 = nullptr;   // "2:"
    QLineEdit* txtCS2 = nullptr;
    QLabel* Label26 = nullptr;   // "V" in the DC input form
    QLineEdit* txtCS4 = nullptr;
    QLabel* Label28 = nullptr;   // "A"

    // Tube life
    QLabel* lblTWTSrvc = nullptr;   // "TWT Srvc:"
    QLabel* lblTWTLife = nullptr;

    // Waveguide
    QGroupBox* fraWaveguideSwitches = nullptr;   // "Waveguide Switches"
    QLabel* lblWgSw1 = nullptr;                  // "Sw 1:"
    QComboBox* cmbWgSw1 = nullptr;
    QLabel* lblWgSw2 = nullptr;   // "Sw 2:"
    QComboBox* cmbWgSw2 = nullptr;
    QCheckBox* chkAutoMode = nullptr;       // "Automatic Mode"
    QGroupBox* fraWaveguideCfg = nullptr;   // "Waveguide Cfg"
    QComboBox* cmbWgCfg = nullptr;

    // Hour meters
    QGroupBox* fraHours = nullptr;   // "Hours"
    QLabel* Label19 = nullptr;       // "PS:" / "Htr:"
    QLineEdit* txtPSHours = nullptr;
    QLabel* Label20 = nullptr;   // "Xmtr:" / "Beam:"
    QLineEdit* txtXmtHours = nullptr;

    // Linearizer
    QGroupBox* fraLinearizer = nullptr;   // "Linearizer"
    QLabel* lblLinAmp = nullptr;
    QLineEdit* txtLinAmp = nullptr;
    UpDown* UpDown3 = nullptr;
    QLabel* lblLinPhase = nullptr;
    QLineEdit* txtLinPhase = nullptr;
    UpDown* UpDown4 = nullptr;

    // Unit identity, clock and address
    QGroupBox* fraUnitInfo = nullptr;   // "Unit Information"
    QLabel* lblFrmRev = nullptr;
    QLineEdit* txtFrmRev = nullptr;
    QLabel* lblCplDate = nullptr;
    QLineEdit* txtCplDate = nullptr;
    QLabel* lblPN = nullptr;
    QLineEdit* txtPN = nullptr;
    QLabel* lblSN = nullptr;
    QLineEdit* txtSN = nullptr;
    QGroupBox* fraUnitDateTime = nullptr;   // "Unit Date & Time"
    QLineEdit* txtDateTime = nullptr;
    QPushButton* Command7 = nullptr;       // "Now"
    QGroupBox* fraUnitAddress = nullptr;   // "Unit Address"
    QLineEdit* txtAdr = nullptr;

    // Buttons
    QPushButton* btnConnect = nullptr;      // "Connect" / "Terminate" / "Disconnect"
    QPushButton* btnFaultReset = nullptr;   // "Fault Reset"

    // Status bar
    QStatusBar* sbStatusBar = nullptr;
    QLabel* sbStatusBarPanel1 = nullptr;   // first panel: search progress and messages

    // File menu
    QMenu* mnuFile = nullptr;
    QAction* mnuConnect = nullptr;
    QAction* mnuExtSrch = nullptr;
    QAction* mnuAdvSrch = nullptr;
    QAction* mnuLoadFile = nullptr;
    QAction* mnuSaveAs = nullptr;
    QMenu* mnuFaultLog = nullptr;   // "Download Fault Log"
    QAction* mnuDnldFltLog = nullptr;
    QAction* mnuFullFaultLog = nullptr;
    QAction* mnuPLog = nullptr;
    QAction* mnuTrendLogs = nullptr;
    QAction* mnuAtnCal = nullptr;
    QAction* mnuCalFactor = nullptr;
    std::array<QAction*, 8> mnuCalTables{};
    QAction* mnuCmdLine = nullptr;
    QAction* mnuFileExit = nullptr;

    // Communication menu
    QMenu* mnuComm = nullptr;
    QMenu* mnuCom = nullptr;   // "Serial Port:   COMn"
    std::array<QAction*, 10> mnuComPort{};
    QAction* mnuPortScan = nullptr;
    QAction* mnuPollEn = nullptr;
    QAction* mnuPollAdrs = nullptr;
    QAction* mnuUseEnet = nullptr;
    QAction* mnuEnterIP = nullptr;
    QAction* mnuEthPort = nullptr;
    QAction* mnuLocateIP = nullptr;
    QAction* mnuOpenWebpage = nullptr;

    // Setup menu: the unit's settings
    QMenu* mnuSetup = nullptr;
    QAction* mnuEnetCfg = nullptr;
    QAction* mnuLLDPCfg = nullptr;
    QAction* mnuAmpCom = nullptr;
    QAction* mnulcBucSetup = nullptr;
    QAction* mnuGainBal = nullptr;
    QAction* mnuMaxPwrLvl = nullptr;
    QAction* mnuStartupCfg = nullptr;
    QAction* mnuTempTripLevels = nullptr;
    QAction* mnuPowerSave = nullptr;
    QAction* mnuFltAlm = nullptr;
    QAction* mnuRfBandCfg = nullptr;
    QAction* mnuRRfOffset = nullptr;
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
    QAction* mnuRack = nullptr;
    QAction* mnu2ndUmbilical = nullptr;
    QAction* mnuClrHrs = nullptr;
    QAction* mnuReboot = nullptr;

    // Unit menu: information and tests
    QMenu* mnuUnit = nullptr;
    QAction* mnuMfgInfo = nullptr;
    QAction* mnuModelCfgPN = nullptr;
    QAction* mnuWgArcTest = nullptr;
    QAction* mnuSumFltTest = nullptr;

    // Display menu
    QMenu* mnuDisplay = nullptr;
    QAction* mnuWatts = nullptr;   // "Display Watts" / "Display dBm"

    // Sub Band menu
    QMenu* mnuSubBands = nullptr;
    QAction* mnuSubB1 = nullptr;
    QAction* mnuSubB2 = nullptr;
    QAction* mnuSubB3 = nullptr;
    QAction* mnuSubB4 = nullptr;
    QAction* mnuSubB5 = nullptr;
    QAction* mnuSubB6 = nullptr;
    QAction* mnuSubB7 = nullptr;
    QAction* mnuSubB8 = nullptr;

    // Help menu
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpAbout = nullptr;

    // Sub-band item n (1 to 8); nullptr outside.
    QAction* subBandItem(int n) const;
    // The four label arrays of the fault list and of the alarm list, byte A first.
    std::array<std::array<QLabel*, 6>, 4> faultBytes() const { return {FaultAbit, FaultBbit, FaultCbit, FaultDbit}; }
    std::array<std::array<QLabel*, 6>, 4> alarmBytes() const { return {AlarmAbit, AlarmBbit, AlarmCbit, AlarmDbit}; }
};

// Builds every control of the main window into `window` and fills `ui`.
void buildFrmMainUi(QMainWindow* window, frmMainUi& ui);
// Puts the rows of the fault and alarm lists into their scrollable areas.
void buildIndicatorListAreas(frmMainUi& ui);
