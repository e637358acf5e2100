#pragma once
// Plays the operator in the "Ethernet Cfg" dialog shown through the modal seam: a static
// address whose last octet is `lastOctet` (the simulated units report DHCP), then OK.
#include "dialogs/frmEnetCfg.h"
#include "support/FakePrompts.h"
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

inline void ScriptNewUnitAddress(FakePrompts& prompts, const QString& lastOctet)
{
    prompts.modal = [lastOctet](QDialog& d) {
        auto& f = static_cast<frmEnetCfg&>(d);
        f.ui.optStaticIP->click();
        f.ui.txtIP4b->setText(lastOctet);
        f.ui.cmdOK->click();
        return f.result();
    };
}
