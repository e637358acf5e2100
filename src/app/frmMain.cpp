#include "app/frmMain.h"
#include "app/Program.h"
#include "settings/EntryBoxEvents.h"

frmMain::frmMain(Program& program, QWidget* parent) : QMainWindow(parent), p(program)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tubamon Utility"));
    buildFrmMainUi(this, ui);
    connectCommandControls();
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(2500);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        BusyScope busy(*this);
        Timer1_Timer();
    });
    connectTargetMenus();
    installLinkHooks();
    connectLinkSignals();
    connectFileMenus();
    connectTransferMenus();
    connectDialogMenus();
    connectSettingMenus();
}

frmMain::~frmMain()
{
    Timer1.stop();
    p.hooks = {};   // the link must not call into a window that is gone
    // The base class takes the controls down after this: their last focus changes and
    // signals must not reach the parts of this window that are gone already.
    EntryBoxEvents::removeAll(this);
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}
