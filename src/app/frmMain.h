#pragma once
// The main window. Its controls are built in ui/frmMainUi.cpp; its procedures are
// declared here by area and defined in the folder of the subsystem they belong to.
#include "status/FaultAlarmNames.h"
#include "status/FaultDecode.h"
#include "status/IndicatorList.h"
#include "status/PowerDisplay.h"
#include "status/SummaryDecode.h"
#include "app/MenuDialogs.h"
#include "ui/EntryEdits.h"
#include "ui/frmMainUi.h"
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QDialog;
class QKeyEvent;
namespace entry {
enum class Keys;
}
namespace levels {
enum class ParamBox;
}

struct CalTableKind;
struct LogDownloadContext;
struct LogPaging;
struct Program;
struct UploadResult;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(Program& program, QWidget* parent = nullptr);
    ~frmMain() override;

    frmMainUi ui;
    QTimer Timer1;   // the poll timer: 2500 ms, started once a unit is connected

    // ===== link: connect, search, start-up, TCP (link/frmMain_*.cpp) =====

    // PC serial port and network target, unit locator (link/frmMain_target.cpp)
    void mnuComPort_Click(int index);   // entry index 0..9 of mnuComPort
    bool SetupSerialPort(int portNumber);
    bool ConfigPort(int portNumber);   // true when the port or its settings changed
    void ClearComChecks();
    void BuildComPortList();    // shows the COM entries of the ports that exist
    void mnuPortScan_Click();   // "Scan for Serial Ports"
    void mnuEnterIP_Click();
    void mnuEthPort_Click();
    void mnuLocateIP_Click();

    // Connecting, disconnecting and the serial unit search (link/frmMain_connect.cpp)
    void btnConnect_Click();   // acts by the caption: "Connect", "Terminate", "Disconnect"
    void mnuConnect_Click();
    void mnuExtSrch_Click();
    void mnuAdvSrch_Click();
    void ConnectToUnit();
    bool UnitFoundOnSerialPort();
    void DisconnectFromUnit();
    void DisplayStatusMsg(const QString& text);   // first panel of the status bar

    // Start-up and shut-down (link/frmMain_startup.cpp). Form_Load runs when the window is
    // first shown; closing the window runs Form_Unload.
    void Form_Load();
    void Form_Unload();
    void InitDefaultComPort();

    // Held by every handler that lets events run while it waits (the connect, the search,
    // a poll tick): a close requested meanwhile ends the waits at once and closes the
    // window only after the last such handler has returned.
    class BusyScope {
    public:
        explicit BusyScope(frmMain& window);
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        frmMain& w_;
    };

    // ===== status: first read, poll, panels, layout, readings, window states (status/frmMain_*.cpp) =====

    // Window states (status/frmMain_states.cpp)
    void ClearForm();
    void DisableForm();
    void EnableForm();
    // After a first read on a connection still up: "Disconnect", a fresh retry budget, the
    // window enabled and the constant-power inputs as the transmitter allows.
    void ShowConnectedWindow();

    // Window layout per unit family (status/frmMain_layout.cpp)
    void InitDisplay();
    void InitDisplayForTWTAUnit();
    void InitDisplayForSSPAUnit();
    void InitTWTEOLParameters();
    void InitHelixHeaterFrame();
    void SetupHelixHeaterForNewDualTWT(bool dualTwt);
    void InitCathodeCurrentDisplay();
    void EnableCathodeCurrentDisplay();
    void DisableCathodeCurrentDisplay();
    void InitDLAtten();
    void DisableConstPwrInput();
    void EnableConstPwrInput();
    bool IsTxOn() const;

    // Polled readings and the frames they fill (status/frmMain_readings.cpp)
    void UpdateFwdRF();
    void UpdateRevRF();
    void UpdateRFPower();
    void UpdateAtn();
    void UpdateTemperature();
    void UpdateHelixHeater();
    void UpdateCathodeCurrent();
    void UpdateCurrentSense();
    void UpdateRFFrequency();
    void InitDCVInParameters();
    void SetupFrame14();
    void SetCurrentSenseFrame();
    void SetDCVInFrame();
    void SetupFrame20();

    // Poll loop (status/frmMain_poll.cpp)
    void Timer1_Timer();
    // One poll; true when the status query was answered.
    bool UpdateStatus();
    void UpdateDCVIn();
    void UpdateHours();
    // Answered polls since the last readings tick and since the last clock tick.
    qint16 ReadingsTickCount = 0;
    qint16 ClockTickCount = 0;

    // First read after connecting (status/frmMain_firstRead.cpp)
    void FirstTimeRead();
    // Called with each step's name before the step runs (diagnostics and tests).
    std::function<void(const char* step)> onFirstReadStep;

    // Connect-time feature reads (status/frmMain_featureReads.cpp)
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
    // Set while the operator edits an RF trip's type or level: InitRFTripLevels leaves it.
    bool FhiTripEditing = false;
    bool FloTripEditing = false;
    bool RhiTripEditing = false;

    // Power display units and the drive-power box (status/frmMain_powerUnits.cpp)
    void DisplayToWatts();
    void DisplayTodBm();
    bool CheckInputDriverPwrSupport();
    void DisplayDrivePower(bool enable);
    // Writes a power box with a text in the current display unit and remembers the unrounded
    // power (dBm) behind it, so that switching the display unit converts from that power and
    // not from the rounded text.
    void WritePowerBox(QLineEdit* box, const QString& text, float dBm);

    // Status panels: summary, faults, alarms and their names (status/frmMain_panels.cpp)
    // List layout in twips, set by InitFaultsAlarms.
    qint16 FirstRowTop = 0;
    qint16 RowPitch = 0;
    qint16 ListLeft = 0;
    void InitFaultsAlarms();
    void InitFaultNames();
    void InitAlarmNames();
    void SetSummaryStatus(const QString& field);
    void SetTWTASummaryStatus(const QString& field);   // the family routines of the panels
    void SetSSPASummaryStatus(const QString& field);
    void SetAutoModeSumStatus(int byteC);   // waveguide switches and automatic mode
    void SetFaultStatus(const QString& field);
    void SetTWTAFaultStatus(const QString& field);
    void SetSSPAFaultStatus(const QString& field);
    void SetAlarmStatus(const QString& field);
    void SetTWTAlarmStatus(const QString& field);
    void SetSSAAlarmStatus(const QString& field);
    void ClearSummaryStatus();
    void ClearFaultStatus();

    // ===== settings: setters, menus, bands (settings/frmMain_*.cpp) =====

    // Command controls the status panels write (settings/frmMain_commandControls.cpp).
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

    // Unit clock and device address (settings/frmMain_unitClock.cpp)
    void Command7_Click();
    void SetDateTime();
    void SetUnitAddress();

    // Menus of the link and the display (settings/frmMain_linkMenus.cpp)
    void mnuUseEnet_Click();
    void mnuPollEn_Click();
    void mnuPollAdrs_Click();
    void mnuWatts_Click();

    // Menu entries that open a dialog (settings/frmMain_menuDialogs.cpp). Each runs its
    // entry's rules of app/MenuDialogs.h with the dialog registered in menuDialogs.
    menus::MenuDialogRegistry menuDialogs;
    void RunMenuDialog(MenuDialog row);
    void lblSBandFrq_DblClick();
    void lbllcBucDrive_DblClick();

    // Setting toggles, unit actions and program entries (settings/frmMain_settingMenus.cpp).
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

    // RF bands and sub-bands (settings/frmMain_subBands.cpp)
    void ClearSubBands(bool hide = false);
    void InitcmbRfBand();
    void UpdateSubBands();
    void UpdateCurrentSubBand();
    void SetCurrentSubBand(qint16 n);
    void LoadSubBandParameters();
    void UpdateGainBalance();
    bool UpdateUnitGain();

    // Level setters (settings/frmMain_levelSetters.cpp). Levels are in the display unit;
    // none tests remote mode, their callers do.
    float ConvertTripPower(float level);   // the value to send, or -1 (may show "Range Error")
    void SetAtndB();
    void SetAtnCount();
    bool SetConstPwr(float level);
    bool GoToPower(float level);
    void SetFwdHiTrip();
    void SetFwdLoTrip();
    void SetRevHiTrip();

    // Spin controls (settings/frmMain_spinControls.cpp)
    void UpDown1_UpClick();
    void UpDown1_DownClick();
    void UpDown2_UpClick();
    void UpDown2_DownClick();
    void UpDown3_UpClick();
    void UpDown3_DownClick();
    void UpDown4_UpClick();
    void UpDown4_DownClick();

    // Entry boxes (settings/frmMain_entryBoxes.cpp). One Enter flag per sending box: an
    // Enter has sent the box's value, so that box's next loss of focus sends nothing.
    // Cleared by that loss of focus, by typing into the box again and by DisableForm.
    struct EnterFlags {
        bool txtAtnDB = false;
        bool txtAtnCnt = false;
        bool txtConstLvl = false;
        bool txtLinAmp = false;
        bool txtLinPhase = false;
        bool txtAdr = false;
    };
    EnterFlags EnterHandled;
    // Clears the Enter flags, the trip rows' editing flags and the operator's edits (no box
    // can hold the focus of a disabled window).
    void ClearEntryFlags();
    // Writes an entry box with what the unit reports (the poll, a read-back, a first read),
    // unless the operator is editing the box: the typed text stays until the operator leaves
    // it, presses Enter or presses Esc. True when written.
    bool FillEntryBox(QLineEdit* box, const QString& text);
    bool FillPowerBox(QLineEdit* box, const QString& text, float dBm);

    // ===== files: data folders (files/frmMain_dataFolders.cpp) =====
    // Creates the data folder when missing; a failure shows its box and is not returned.
    void InitDataDirectory();
    // Calibration-table file dialogs on the unit's txtPN and txtSN (files/frmMain_fileDialogs.cpp):
    // the chosen path or "" on Cancel. File type 1 attenuator table, 2 forward RF power table.
    QString GetUnitFolderName() const;
    QString GetFileNameToOpen(qint16 fileType);
    QString GetSaveAsFileName(qint16 fileType);

    // Configuration command file (files/frmMain_cmdFile.cpp).
    // Writes the file of the connected unit; true when it was written whole.
    bool SaveCmdFile(const QString& path);
    // Replays a file into the unit; true when at least one command line was sent.
    bool LoadCmdFile(const QString& path);
    void mnuSaveAs_Click();     // "Save Unit Cfg..."
    void mnuLoadFile_Click();   // "Load Cfg File..."
    // Called with each section writer's name before it runs (tests).
    std::function<void(const char* section)> onCmdFileSection;

    // ===== transfers: log downloads (transfers/frmMain_*.cpp) =====

    // Fault log (transfers/frmMain_faultLog.cpp). Downloads `depth` entries (at least 100) into
    // the data folder, in whichever paging the unit speaks, and opens the file in the text
    // editor when asked; the file's name when this download wrote it, else "".
    QString GetFaultLog(int depth, bool openInEditor);
    void mnuDnldFltLog_Click();     // "Short Fault Log"
    void mnuFullFaultLog_Click();   // "Full Fault Log"

    // Parameter logs (transfers/frmMain_paramLog.cpp). Downloads log `type` (0 10-minute,
    // 1 hourly, 2 daily, 3 monthly, 4 cathode current) into its file in the data folder; the
    // file's name ("plog.txt" ...) when this download wrote it, else "".
    QString GetParameterLogFile(int type);

    // Trend log (transfers/frmMain_trendLog.cpp). Downloads `count` records of the short- or
    // long-term log into its file in the data folder; the file's name when this download
    // wrote it, else "".
    QString GetTrendLogFile(bool longTerm, int count);

    // Calibration tables (transfers/frmMain_calTables.cpp): entries 0, 1, 4 and 5 of
    // mnuCalTables, each holding the poll and the transfer lock; a download writes its file
    // whole or not at all and opens it in the text editor, an upload is done only when the
    // unit saved the table.
    void mnuCalTables_Click(int index);
    void DownloadRfCalTable();
    void UploadRfCalTable();
    void DownloadAtnCalTable();
    void UploadAtnCalTable();

    // ===== dialogs: the main window's share of the unit setup dialogs (dialogs/frmMain_*.cpp) =====

    // Network settings (dialogs/frmMain_enetParams.cpp): the unit's addresses into octets.
    void ParseEnetparams();

signals:
    void unloaded();   // Form_Unload has run: the program ends

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Program& p;

    // link: connect, start-up and shut-down
    void installLinkHooks();
    void connectLinkSignals();
    void connectOverTcp();
    void unitFoundOnSerialLine();
    void disconnectWindow();
    bool connectionOverEnet() const;
    bool connectRunning_ = false;
    int busyDepth_ = 0;
    bool closePending_ = false;
    bool loaded_ = false;
    bool unloaded_ = false;

    // status: window layout and readings
    void showIdentityBoxes();
    void resetTubeOnlyState();
    std::array<QWidget*, 6> cathodeCurrentItems() const;
    void applySenseFrameForm(bool dcInput);
    // status: window states
    std::vector<QWidget*> unitEntryControls() const;
    std::vector<QAction*> unitMenus() const;
    // link: target menus
    void connectTargetMenus();

    // status: poll and first read
    struct FirstReadStep {
        const char* name;
        std::function<void()> run;
    };
    bool pollRunning_ = false;
    bool firstReadRunning_ = false;
    bool firstReadStopped_ = false;   // the operator stopped the last first read
    bool stopFirstReadIfAsked();
    void betweenFirstReadCommands();
    bool statusQueryAnswered();
    void runPendingEvents();
    void dropLostLink();
    void readingsTick();
    void clockTick();
    void runTcpFirstRead();
    std::vector<FirstReadStep> firstReadSteps();
    void addIdentificationSteps(std::vector<FirstReadStep>& steps);
    void addLimitAndLayoutSteps(std::vector<FirstReadStep>& steps);
    void addMaskAndReadingSteps(std::vector<FirstReadStep>& steps);
    void addPortAndBandSteps(std::vector<FirstReadStep>& steps);
    void addTemperatureAndLevelSteps(std::vector<FirstReadStep>& steps);
    void addClosingSteps(std::vector<FirstReadStep>& steps);
    // settings: sub-bands
    void checkSubBandItem(int n);

    // status: power display units
    void switchPowerUnits(bool toWatts);
    PowerDisplay::WrittenPowers writtenPowers_;

    // status: panels
    status::NameInputs nameInputs() const;
    void applyList(const status::ListDecoding& d, const std::array<std::array<QLabel*, 6>, 4>& bytes, QLabel* emptyRow,
                   IndicatorListArea* area);
    void placeRow(QWidget* label, int row, bool keepLeft);
    QLabel* summaryLabel(status::SummaryLabel label) const;
    void applySummary(const status::SummaryDecoding& d, const QString& field);
    void applyFaults(const status::FaultDecoding& d);

    // settings: command controls
    void connectCommandControls();
    // A check box's command, or a list entry's, sent for the tick or entry the operator gave
    // it, once the link is free; in local mode the box shows instead and a check box gets its
    // tick back.
    void checkBoxClicked(QCheckBox* box, std::function<void(bool tick)> send);
    void listChosen(QComboBox* list, std::function<void(const QString& entry)> send);
    void refreshAfterTransmitter();
    void showNotInRemote();   // the "Not in Remote Mode" box, when the window has prompts
    // settings: unit clock and device address
    void connectUnitClock();
    void txtDateTime_Validate();
    QString adrLetter_;   // txtAdr's letter as the window filled it or last sent it
    // settings: menu dialogs, toggles and unit actions
    void connectDialogMenus();
    void showMenuDialog(MenuDialog row);
    void showModelessDialog(MenuDialog row);
    void runAfterDialogSteps(unsigned steps);
    void connectSettingMenus();
    void mnuSubB_Click(int n);
    // Sends the command for the mark the click asks for (`tick`); on acknowledgement sets the
    // mark and runs `acknowledged`.
    void toggleSetting(QAction* entry, bool remoteTest, const std::function<QString(bool tick)>& command,
                       const std::function<void(bool tick)>& acknowledged = {});
    // settings: entry boxes and spin controls
    void connectEntryBoxes();
    void connectSpinControls();
    // Runs `action` now, or once the command waiting for its reply has ended
    // (link/DeferredActions.h); an entry box's action gets the box's text as it is now.
    void whenLinkFree(std::function<void()> action);
    void actOnEntry(QLineEdit* box, std::function<void()> action);
    EntryEdits entryEdits_;   // the operator's edits of the entry boxes
    // One row per entry box: everything in which the boxes differ.
    struct EntryBox {
        QLineEdit* box;
        std::function<entry::Keys()> keys;   // asked at each key: the family can change
        bool remoteGuard;                    // typing in local mode shows "Not in Remote Mode"
        bool* enterFlag;                     // none for the boxes that send on Enter only
        // What Enter sends for the box's text; true when sent, which sets the Enter flag.
        std::function<bool(const QString& text)> enter;
        // What leaving the box sends in remote mode (the boxes with an Enter flag).
        std::function<void(const QString& text)> leave;
        // A trip row's level box: its editing flag, its type list and the row's setter.
        bool* tripEditing = nullptr;
        QComboBox* tripType = nullptr;
        std::function<void()> sendTrip;
    };
    std::vector<EntryBox> entryBoxes_;   // built once: the boxes' handlers keep their row
    void buildEntryBoxes();
    EntryBox tripRow(QLineEdit* level, QComboBox* type, bool& editing, void (frmMain::*send)());
    EntryBox parameterRow(QLineEdit* box, levels::ParamBox param, bool& enterFlag);
    EntryBox atnCountRow();
    EntryBox addressRow();
    bool entryKeyDiscarded(const EntryBox& row, QKeyEvent& key);
    void entryBoxLeft(const EntryBox& row, Qt::FocusReason reason);
    void entryBoxEnter(const EntryBox& row);
    void tripTypeChosen(const EntryBox& row);
    void setTripRow(int row);
    void stepSpinControl(int control, bool up);
    // files: the File menu's command-file entries
    void connectFileMenus();
    // transfers: the download entries, and the window's reset when a download found the
    // unit gone (the TCP connection closed or the serial device vanished)
    void connectTransferMenus();
    void dropLinkLostInTransfer();
    // What the log downloads run on: the program, this window and dropLinkLostInTransfer.
    LogDownloadContext logDownloadContext();
    // transfers: the calibration tables
    void connectCalTableMenus();
    void downloadCalTable(const CalTableKind& kind);
    void finishCalUpload(const CalTableKind& kind, const UploadResult& result, bool save, const LogPaging& link);
};
