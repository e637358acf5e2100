#include "app/frmMain.h"
#include "app/MenuDialogRunner.h"
#include "app/Program.h"
#include "files/CalFileChoice.h"
#include "files/CmdFileActions.h"
#include "settings/TargetMenus.h"
#include "status/UnitConnection.h"
#include "platform/Clock.h"
#include "settings/CommandControls.h"
#include "settings/EntryBoxes.h"
#include "settings/LevelSetters.h"
#include "settings/SettingMenus.h"
#include "settings/UnitClock.h"
#include "status/EntryBoxState.h"
#include "status/FeatureReads.h"
#include "status/FirstRead.h"
#include "status/PollLoop.h"
#include "status/PowerUnits.h"
#include "status/Readings.h"
#include "status/StatusPanels.h"
#include "status/SubBands.h"
#include "status/WindowLayout.h"
#include "status/WindowStates.h"
#include "transfers/CalTransfers.h"
#include "transfers/LogDownloads.h"
#include "ui/EntryBoxEvents.h"
#include "link/DeferredActions.h"

frmMain::frmMain(Program& program, QWidget* parent)
    : QMainWindow(parent), p(program),
      // Closed from the event loop, once every handler frame has unwound.
      busy_([this] {
          QMetaObject::invokeMethod(
              this, [this] { close(); }, Qt::QueuedConnection);
      })
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tubamon Utility"));
    // Its close box ends the waits of a handler at once; the close follows once it returns.
    setProperty(ClosesDuringWaits, true);
    buildFrmMainUi(this, ui);
    buildControllers();
    connectCommandControls();
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(2500);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        BusyScope busy(busy_);
        poll_->Timer1_Timer();
    });
    connectTargetMenus();
    installLinkHooks();
    connectLinkSignals();
    connectFileMenus();
    connectTransferMenus();
    connectDialogMenus();
    connectSettingMenus();
}

// Each controller takes the controllers below it; the few calls upward are the callbacks here.
void frmMain::buildControllers()
{
    powerUnits_ = std::make_unique<PowerUnits>(p, ui);
    entryState_ = std::make_unique<EntryBoxState>(*powerUnits_);
    readings_ = std::make_unique<Readings>(p, ui, *powerUnits_, *entryState_);
    features_ = std::make_unique<FeatureReads>(p, ui, *entryState_);
    panels_ = std::make_unique<StatusPanels>(p, ui, *features_);
    layout_ = std::make_unique<WindowLayout>(p, ui, *panels_, *readings_, *entryState_, *this);
    bands_ = std::make_unique<SubBands>(p, ui, *this, *features_, *readings_, *layout_);
    states_ =
        std::make_unique<WindowStates>(p, p.files, ui, *layout_, *panels_, *powerUnits_, *bands_, *entryState_, *this);
    targets_ = std::make_unique<TargetMenus>(p, ui, *this, Timer1, [this] { states_->ClearForm(); });
    connection_ = std::make_unique<UnitConnection>(p, ui, *this, Timer1, busy_,
                                                   UnitConnection::WindowSteps{
                                                       [this] { states_->ClearForm(); },
                                                       [this] { states_->DisableForm(); },
                                                       [this] { firstRead_->FirstTimeRead(); },
                                                       [this] { return firstRead_->running(); },
                                                       [this] { states_->ShowConnectedWindow(); },
                                                   });
    firstRead_ = std::make_unique<FirstRead>(p, ui, *connection_, *entryState_, *powerUnits_, *readings_, *features_,
                                             *panels_, *layout_, *bands_, [this] { poll_->dropLostLink(); });
    poll_ = std::make_unique<PollLoop>(p, ui, Timer1, *firstRead_, *states_, *panels_, *readings_, *features_, *bands_);
    levels_ = std::make_unique<LevelSetters>(p, ui, *features_, *powerUnits_);
    unitClock_ = std::make_unique<UnitClock>(p, ui, *this, busy_);
    entries_ = std::make_unique<EntryBoxes>(p, ui, *this, *levels_, *unitClock_, *entryState_);
    controls_ = std::make_unique<CommandControls>(p, ui, *this, busy_, *levels_, *features_, *layout_, *readings_);
    settingMenus_ = std::make_unique<SettingMenus>(p, ui, *this, *connection_, *bands_, *powerUnits_);
    cmdFile_ = std::make_unique<CmdFileActions>(
        p, p.files, ui, Timer1, [this] { connection_->btnConnect_Click(); },
        [this] { logs_->dropLinkLostInTransfer(); });
    calFiles_ = std::make_unique<CalFileChoice>(p, p.files, ui);
    logs_ = std::make_unique<LogDownloads>(p, p.files, p.transfers, *this, *poll_);
    calTables_ = std::make_unique<CalTransfers>(p, p.files, p.transfers, *this, *calFiles_, *connection_, *logs_);
    menuDialogs_ = std::make_unique<MenuDialogRunner>(p, *this, *features_);
}

frmMain::~frmMain()
{
    Timer1.stop();
    p.hooks = {};   // the link must not call into a window that is gone
    // Taking the window down moves the focus out of its boxes: their handlers must not run
    // on a half-destroyed window, so they go first and the focus leaves while it is whole.
    EntryBoxEvents::removeAll(this);
    hide();
    // Nor may the controls' last signals reach it while its base class takes them down.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

void frmMain::whenLinkFree(std::function<void()> action) { WhenLinkFree(p, *this, std::move(action)); }

void frmMain::FirstTimeRead() { firstRead_->FirstTimeRead(); }
void frmMain::Timer1_Timer() { poll_->Timer1_Timer(); }
bool frmMain::SaveCmdFile(const QString& path) { return cmdFile_->SaveCmdFile(path); }
bool frmMain::LoadCmdFile(const QString& path) { return cmdFile_->LoadCmdFile(path); }
QString frmMain::GetFaultLog(int depth, bool openInEditor) { return logs_->GetFaultLog(depth, openInEditor); }
QString frmMain::GetParameterLogFile(int type) { return logs_->GetParameterLogFile(type); }
QString frmMain::GetTrendLogFile(bool longTerm, int count) { return logs_->GetTrendLogFile(longTerm, count); }
void frmMain::SetCurrentSubBand(qint16 n) { bands_->SetCurrentSubBand(n); }
