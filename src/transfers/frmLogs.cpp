#include "transfers/frmLogs.h"
#include "commands/CommandContext.h"
#include "transfers/LogDownloads.h"
#include "link/ConnectionWatch.h"
#include "transfers/LogExport.h"
#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

frmLogs::frmLogs(CommandContext& p, LogDownloads& logs, QWidget* parent) : QDialog(parent), p_(p), logs_(logs)
{
    ui.setupUi(this);
    connect(ui.chkAll, &QCheckBox::toggled, this, &frmLogs::chkAll_Click);
    connect(ui.optExcel, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optExcel_Click();
    });
    connect(ui.optNotepad, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optNotepad_Click();
    });
    connect(ui.Command1, &QPushButton::clicked, this, &frmLogs::Command1_Click);
    connect(ui.Command2, &QPushButton::clicked, this, &frmLogs::Command2_Click);
    Form_Load();
}

void frmLogs::Form_Load()
{
    ui.optNotepad->setChecked(true);
    ui.ProgressBar1->hide();
    ui.chkCathMon->setHidden(!p_.unit.cathode.CathodeCurrentEnabled);
}

void frmLogs::chkAll_Click()
{
    for (QCheckBox* box : ui.logBoxes())
        if (!box->isHidden())
            box->setChecked(ui.chkAll->isChecked());
}

void frmLogs::optExcel_Click() { UseExcel = true; }
void frmLogs::optNotepad_Click() { UseExcel = false; }

void frmLogs::Command1_Click()
{
    if (downloading_)
        return;
    const auto boxes = ui.logBoxes();
    const int n =
        static_cast<int>(std::count_if(boxes.begin(), boxes.end(), [](QCheckBox* b) { return b->isChecked(); }));
    if (n == 0) {
        accept();
        return;
    }
    ui.ProgressBar1->setRange(0, n);
    ui.ProgressBar1->setValue(0);
    ui.ProgressBar1->show();
    bool stopped = false;
    const QStringList names = downloadTicked(stopped);
    if (!stopped && !names.isEmpty()) {
        if (UseExcel)
            ExportLogsToExcel(p_, names);
        else
            OpenLogsInNotepad(p_, names);
    }
    if (progress_.cancelled())
        QDialog::reject();
    else
        accept();
}

QStringList frmLogs::downloadTicked(bool& stopped)
{
    downloading_ = true;
    enableInputs(false);
    const ProgressInPlace inPlace(p_, progress_);
    const ConnectionWatch connection(p_);
    QStringList names;
    const auto boxes = ui.logBoxes();
    for (size_t k = 0; k < boxes.size() && !stopped; ++k) {
        if (!boxes[k]->isChecked())
            continue;
        const bool faultLog = boxes[k] == ui.chkFault;
        const QString name = faultLog ? logs_.GetFaultLog(p_.unit.features.FullFaultLogSize, false)
                                      : logs_.GetParameterLogFile(static_cast<int>(k));
        ui.ProgressBar1->setValue(ui.ProgressBar1->value() + 1);
        if (!name.isEmpty())
            names << name;
        stopped = progress_.cancelled() || connection.ended() || p_.conn.ShuttingDown;
    }
    enableInputs(true);
    downloading_ = false;
    return names;
}

void frmLogs::enableInputs(bool enabled)
{
    for (QCheckBox* box : ui.logBoxes())
        box->setEnabled(enabled);
    for (QWidget* w : {static_cast<QWidget*>(ui.chkAll), static_cast<QWidget*>(ui.optExcel),
                       static_cast<QWidget*>(ui.optNotepad), static_cast<QWidget*>(ui.Command1)})
        w->setEnabled(enabled);
}

void frmLogs::Command2_Click() { reject(); }

void frmLogs::reject()
{
    // Esc, the title bar's close button and Cancel all end up here.
    if (downloading_)
        progress_.cancel();
    else
        QDialog::reject();
}
