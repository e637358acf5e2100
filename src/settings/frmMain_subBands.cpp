// The sub-band menu items.
#include "ui/frmMain.h"
#include <QAction>
#include <QMenu>

void frmMain::ClearSubBands(bool hide)
{
    for (int n = 1; n <= 8; ++n)
        ui.subBandItem(n)->setChecked(false);
    if (!hide)
        return;
    QAction* menu = ui.mnuSubBands->menuAction();
    const bool wasVisible = menu->isVisible();
    menu->setVisible(true);
    for (int n = 2; n <= 8; ++n)
        ui.subBandItem(n)->setVisible(false);
    menu->setVisible(wasVisible);
}
