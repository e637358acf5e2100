// The unit setup dialogs opened on whatever the unit reported: the first read and the LLDP
// read are answered from the input (pieces "command NUL data" over a real unit's profile),
// then each dialog is opened, its boxes left as the operator tabs through them, and closed
// with OK. With no edit, OK sends nothing.
#include "FuzzInput.h"
#include "FuzzUnit.h"
#include "dialogs/FrmPowerSave.h"
#include "dialogs/frmAmpCom.h"
#include "dialogs/frmEnetCfg.h"
#include "dialogs/frmGainBal.h"
#include "dialogs/frmLLDPConfig.h"
#include "dialogs/frmPwrLimit.h"
#include "dialogs/frmStartup.h"
#include "dialogs/frmTempLimits.h"
#include "dialogs/frmlcBucSetup.h"
#include "link/Transaction.h"
#include "support/MainWindowProgram.h"
#include "status/FeatureReads.h"
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

MainWindowProgram& window()
{
    static MainWindowProgram& t = *new MainWindowProgram;
    return t;
}

// The operator tabs out of each box without typing.
void tabThrough(QDialog& dialog)
{
    for (QLineEdit* box : dialog.findChildren<QLineEdit*>()) {
        if (!box->isEnabled())
            continue;
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(box, &out);
    }
    QCoreApplication::processEvents();
}

// Tabs through the open dialog and presses `ok`: nothing may reach the unit after the dialog
// was built (building it may send, as the temperature dialog's latch does).
void check(MainWindowProgram& t, QDialog& d, QPushButton* ok, const char* promise)
{
    const qsizetype before = t.commands.size();
    tabThrough(d);
    ok->click();
    QCoreApplication::processEvents();
    FUZZ_CHECK(t.commands.size() == before, promise);
}

void openEach(MainWindowProgram& t)
{
    Program& p = t.p();
    {
        frmLLDPConfig d(p);
        check(t, d, d.ui.btnOK, "the LLDP dialog sends nothing without an edit");
    }
    {
        frmEnetCfg d(p, p.dialogs);
        check(t, d, d.ui.cmdOK, "the network dialog sends nothing without an edit");
    }
    {
        frmGainBal d(p);
        check(t, d, d.ui.btnOk, "the gain balance dialog sends nothing without an edit");
    }
    {
        frmTempLimits d(p);
        check(t, d, d.ui.btnOK, "the temperature trip dialog sends nothing without an edit");
    }
    {
        frmPwrLimit d(p, {});
        check(t, d, d.ui.OKButton, "the power limit dialog sends nothing without an edit");
    }
    {
        FrmPowerSave d(p);
        check(t, d, d.ui.OKButton, "the power-save dialog sends nothing without an edit");
    }
    {
        frmStartup d(p);
        check(t, d, d.ui.Command1, "the start-up dialog sends nothing without a choice");
    }
    {
        frmAmpCom d(p);
        check(t, d, d.ui.Command1, "the serial ports dialog sends nothing without Set");
    }
    {
        frmlcBucSetup d(p, p.dialogs);
        check(t, d, d.ui.btnOk, "the up-converter dialog sends nothing without an edit");
    }
}

void run(const QByteArrayList& pieces)
{
    MainWindowProgram& t = window();
    t.replies = fuzz::unitReplies(pieces);
    t.commands.clear();
    t.prompts.boxes.clear();
    BeginConnection(t.p(), false);
    t.w().FirstTimeRead();
    t.w().Timer1.stop();
    t.w().features().InitLLDP();
    t.p().conn.RemoteMode = true;
    openEach(t);
}

}   // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::ensureWidgetApp();
    run({});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    run(fuzz::pieces(data, size));
    return 0;
}
