#pragma once
// The main window: its controls (built in ui/frmMainUi.cpp), the wiring of their signals, the
// close logic and one controller per area, each in its subsystem's folder. The forwarders
// below are the operations other windows and the tests call by name.
#include "link/BusyScope.h"
#include "ui/frmMainUi.h"
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

class CalFileChoice;
class CalTransfers;
class CmdFileActions;
class CommandControls;
class EntryBoxes;
class EntryBoxState;
class FeatureReads;
class FirstRead;
class LevelSetters;
class LogDownloads;
class MenuDialogRunner;
class PollLoop;
class PowerUnits;
class Readings;
class SettingMenus;
class StatusPanels;
class SubBands;
class TargetMenus;
class UnitClock;
class UnitConnection;
class WindowLayout;
class WindowStates;
struct Program;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(Program& program, QWidget* parent = nullptr);
    ~frmMain() override;

    frmMainUi ui;
    QTimer Timer1;   // the poll timer: 2500 ms, started once a unit is connected

    // Form_Load runs when the window is first shown; closing the window runs Form_Unload.
    void Form_Load();
    void Form_Unload();

    // The operations others call by name.
    void FirstTimeRead();
    void Timer1_Timer();
    bool SaveCmdFile(const QString& path);   // true when the file was written whole
    bool LoadCmdFile(const QString& path);   // true when at least one command line was sent
    QString GetFaultLog(int depth, bool openInEditor);
    QString GetParameterLogFile(int type);
    QString GetTrendLogFile(bool longTerm, int count);
    void SetCurrentSubBand(qint16 n);

    // The controllers, one per area.
    TargetMenus& targets() { return *targets_; }
    UnitConnection& connection() { return *connection_; }
    PowerUnits& powerUnits() { return *powerUnits_; }
    EntryBoxState& entryState() { return *entryState_; }
    Readings& readings() { return *readings_; }
    FeatureReads& features() { return *features_; }
    StatusPanels& panels() { return *panels_; }
    WindowLayout& layout() { return *layout_; }
    SubBands& bands() { return *bands_; }
    WindowStates& states() { return *states_; }
    FirstRead& firstRead() { return *firstRead_; }
    PollLoop& poll() { return *poll_; }
    LevelSetters& levels() { return *levels_; }
    UnitClock& unitClock() { return *unitClock_; }
    EntryBoxes& entries() { return *entries_; }
    CommandControls& controls() { return *controls_; }
    SettingMenus& settingMenus() { return *settingMenus_; }
    CmdFileActions& cmdFile() { return *cmdFile_; }
    CalFileChoice& calFiles() { return *calFiles_; }
    LogDownloads& logs() { return *logs_; }
    CalTransfers& calTables() { return *calTables_; }
    MenuDialogRunner& menuDialogs() { return *menuDialogs_; }

    // Held by the handlers that let events run while they wait (BusyScope).
    HandlerDepth& handlerDepth() { return busy_; }

signals:
    void unloaded();   // Form_Unload has run: the program ends

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Program& p;
    HandlerDepth busy_;
    bool loaded_ = false;
    bool unloaded_ = false;

    std::unique_ptr<TargetMenus> targets_;
    std::unique_ptr<UnitConnection> connection_;
    std::unique_ptr<PowerUnits> powerUnits_;
    std::unique_ptr<EntryBoxState> entryState_;
    std::unique_ptr<Readings> readings_;
    std::unique_ptr<FeatureReads> features_;
    std::unique_ptr<StatusPanels> panels_;
    std::unique_ptr<WindowLayout> layout_;
    std::unique_ptr<SubBands> bands_;
    std::unique_ptr<WindowStates> states_;
    std::unique_ptr<FirstRead> firstRead_;
    std::unique_ptr<PollLoop> poll_;
    std::unique_ptr<LevelSetters> levels_;
    std::unique_ptr<UnitClock> unitClock_;
    std::unique_ptr<EntryBoxes> entries_;
    std::unique_ptr<CommandControls> controls_;
    std::unique_ptr<SettingMenus> settingMenus_;
    std::unique_ptr<CmdFileActions> cmdFile_;
    std::unique_ptr<CalFileChoice> calFiles_;
    std::unique_ptr<LogDownloads> logs_;
    std::unique_ptr<CalTransfers> calTables_;
    std::unique_ptr<MenuDialogRunner> menuDialogs_;

    void buildControllers();
    void installLinkHooks();
    // Runs `action` now, or once the command waiting for its reply has ended; nothing once
    // the window is gone.
    void whenLinkFree(std::function<void()> action);

    // The wiring of the controls' signals to the controllers' handlers.
    void connectTargetMenus();
    void connectLinkSignals();
    void connectCommandControls();
    void connectSpinControls();
    void connectUnitClock();
    void connectSettingMenus();
    void connectDialogMenus();
    void connectFileMenus();
    void connectTransferMenus();
    void connectCalTableMenus();
};
