// The check boxes and lists of the main window that both the operator and the status
// panels change. The original controls ran their click handler on every change of value,
// also one made by code; toggled and currentIndexChanged do the same here, so code that
// writes these controls holds FormUpdating to keep them silent.
#include "app/Program.h"
#include "app/frmMain.h"
#include <QCheckBox>
#include <QComboBox>

void frmMain::connectCommandControls()
{
    connect(ui.chkPS, &QCheckBox::toggled, this, &frmMain::chkPS_Click);
    connect(ui.chkConstPwr, &QCheckBox::toggled, this, &frmMain::chkConstPwr_Click);
    connect(ui.chkRFI, &QCheckBox::toggled, this, &frmMain::chkRFI_Click);
    connect(ui.chkAutoMode, &QCheckBox::toggled, this, &frmMain::chkAutoMode_Click);
    connect(ui.cmbWgCfg, &QComboBox::currentIndexChanged, this, &frmMain::cmbWgCfg_Click);
    connect(ui.cmbWgSw1, &QComboBox::currentIndexChanged, this, &frmMain::cmbWgSw1_Click);
    connect(ui.cmbWgSw2, &QComboBox::currentIndexChanged, this, &frmMain::cmbWgSw2_Click);
    connectEntryBoxes();
    connectSpinControls();
}

void frmMain::chkPS_Click()
{
    if (p.conn.FormUpdating)
        return;
}

void frmMain::chkConstPwr_Click()
{
    if (p.conn.FormUpdating)
        return;
}

void frmMain::chkRFI_Click()
{
    if (p.conn.FormUpdating)
        return;
}

void frmMain::chkAutoMode_Click()
{
    if (p.conn.FormUpdating)
        return;
}

void frmMain::cmbWgCfg_Click()
{
    if (p.conn.FormUpdating)
        return;
}

void frmMain::cmbWgSw1_Click()
{
    if (p.conn.FormUpdating)
        return;
}

void frmMain::cmbWgSw2_Click()
{
    if (p.conn.FormUpdating)
        return;
}
