#include "app/frmMain.h"
#include "app/Program.h"
#include "platform/Clock.h"
#include "ui/EntryBoxEvents.h"

frmMain::frmMain(Program& program, QWidget* parent) : QMainWindow(parent), p(program)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tubamon Utility"));
    // Its close box ends the waits of a handler at once; the close follows once it returns.
    setProperty(ClosesDuringWaits, true);
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
    // Taking the window down moves the focus out of its boxes: their handlers must not run
    // on a half-destroyed window, so they go first and the focus leaves while it is whole.
    EntryBoxEvents::removeAll(this);
    hide();
    // Nor may the controls' last signals reach it while its base class takes them down.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}
