// Delete, the arrows, Home and End edit and move in the dialogs' entry boxes as in any box,
// in remote and in local mode; Backspace follows each box's own filter of typed keys.
#include "dialogs/frmGainBal.h"
#include "dialogs/frmPwrLimit.h"
#include "dialogs/frmTempLimits.h"
#include "dialogs/frmlcBucSetup.h"
#include "support/EditingKeys.h"
#include "support/TestProgram.h"
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

// The boxes of one dialog and a text each starts from.
void expectEditingKeysWork(QDialog& dialog, std::initializer_list<std::pair<QLineEdit*, const char*>> boxes,
                           bool remote)
{
    dialog.show();
    for (const auto& [box, start] : boxes) {
        for (const EditingKeyCase& c : EditingKeyCases()) {
            // In local mode the dialogs take no typed key, Backspace included.
            if (!remote && c.backspace())
                continue;
            SCOPED_TRACE(box->objectName().toStdString() + ", " + c.name + (remote ? ", remote" : ", local"));
            box->setFocus();
            EXPECT_EQ(RunEditingKeys(box, start, c), c.left(start));
        }
    }
}

TEST(DialogEditingKeys, EveryEntryBoxInBothModes)
{
    for (const bool remote : {true, false}) {
        TestProgram t;
        t.p().conn.RemoteMode = remote;
        UnitConfig& c = t.p().unit.config;
        c.LcBucMode = 1;   // variable attenuation: the box is enabled
        c.LcBucMaxAtten = 25.3f;
        c.MaxPowerFaultLevel = "50.0";
        {
            frmGainBal d(t.p());
            expectEditingKeysWork(d, {{d.ui.Text1, "1.5"}}, remote);
        }
        {
            frmPwrLimit d(t.p(), {});
            expectEditingKeysWork(d, {{d.ui.Text1, "45.0"}, {d.ui.Text2, "50.0"}}, remote);
        }
        {
            frmTempLimits d(t.p());
            expectEditingKeysWork(d, {{d.ui.txtFltTripLvl, "85"}, {d.ui.txtAlrmTripLvl, "75"}}, remote);
        }
        {
            frmlcBucSetup d(t.p(), t.p().dialogs);
            expectEditingKeysWork(d, {{d.ui.txtlcBucA, "10.5"}}, remote);
        }
        EXPECT_TRUE(t.prompts.boxes.isEmpty());   // no key pressed here asks for remote mode
    }
}

}   // namespace
