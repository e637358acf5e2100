// The main window's menu entries that change how the program itself works: the link
// choice, the single poll address and the power display unit.
#include "app/Program.h"
#include "link/TargetEntries.h"
#include "platform/Prompts.h"
#include "app/frmMain.h"
#include <QAction>
#include <QPushButton>

void frmMain::mnuUseEnet_Click()
{
    // Only the next connect follows the new choice: a live connection keeps its link.
    if (ui.mnuUseEnet->isChecked()) {
        ui.mnuUseEnet->setChecked(false);
        p.conn.UseEnet = false;
        if (ui.btnConnect->text() == QStringLiteral("Connect"))
            ui.mnuAdvSrch->setEnabled(true);
    } else {
        ui.mnuUseEnet->setChecked(true);
        p.conn.UseEnet = true;
        ui.mnuAdvSrch->setEnabled(false);
    }
}

void frmMain::mnuPollEn_Click()
{
    const bool ticked = !ui.mnuPollEn->isChecked();
    ui.mnuPollEn->setChecked(ticked);
    ui.mnuAdvSrch->setEnabled(!ticked);
}

void frmMain::mnuPollAdrs_Click()
{
    IPrompts& prompts = p.platform.prompts;
    const QString answer = prompts.input(QStringLiteral("Enter Unit Address (A-Z)"), QStringLiteral("Unit Address"),
                                         QString(QChar(p.conn.PollAddress)));
    if (answer.isEmpty())
        return;
    const std::optional<qint16> code = PollAddressEntry(answer);
    if (!code) {
        prompts.message(QStringLiteral("Address Error"), QStringLiteral("Tubamon"), PromptIcon::Exclamation);
        return;
    }
    p.conn.PollAddress = *code;
    ui.mnuPollAdrs->setText(QStringLiteral("Poll Address ") + answer);
}

void frmMain::mnuWatts_Click()
{
    const QString caption = ui.mnuWatts->text();
    if (caption == QStringLiteral("Display Watts")) {
        DisplayToWatts();
        ui.mnuWatts->setText(QStringLiteral("Display dBm"));
    } else if (caption == QStringLiteral("Display dBm")) {
        DisplayTodBm();
        ui.mnuWatts->setText(QStringLiteral("Display Watts"));
    }
}
