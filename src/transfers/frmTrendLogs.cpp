#include "transfers/frmTrendLogs.h"
#include "commands/CommandContext.h"
#include "transfers/LogDownloads.h"
#include "transfers/LogExport.h"
#include "transfers/TrendLogPaging.h"
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

frmTrendLogs::frmTrendLogs(CommandContext& p, LogDownloads& logs, QWidget* parent)
    : QDialog(parent), p_(p), logs_(logs), progress_(nullptr)
{
    ui.setupUi(this);
    progress_ = DialogProgress(ui.ProgressBar1);
    connect(ui.optShortTermLog, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optShortTermLog_Click();
    });
    connect(ui.optLongTermLog, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optLongTermLog_Click();
    });
    connect(ui.btnOK, &QPushButton::clicked, this, &frmTrendLogs::btnOK_Click);
    connect(ui.btnCancel, &QPushButton::clicked, this, &frmTrendLogs::btnCancel_Click);
    Form_Load();
}

void frmTrendLogs::Form_Load()
{
    FillHoursList();
    FillRangeList();
    TrendRecordCount = 0;
    ui.ProgressBar1->hide();
    ui.optShortTermLog->setChecked(true);
}

void frmTrendLogs::FillHoursList()
{
    ui.cmbHours->addItems({" 1-Hours", " 2-Hours", " 4-Hours", " 6-Hours", " 8-Hours", "12-Hours", "16-Hours",
                           "20-Hours", "24-Hours", "30-Hours", "36-Hours", "48-Hours"});
    ui.cmbHours->setCurrentIndex(-1);
}

void frmTrendLogs::FillRangeList()
{
    ui.cmbDays->hide();
    ui.cmbDays->addItems({" 1-Week",   " 2-Weeks",  " 3-Weeks",  " 1-Month",  " 2-Months", " 3-Months",
                          " 4-Months", " 6-Months", " 8-Months", "10-Months", "12-Months", "18-Months",
                          "24-Months", " 3-Years",  " 4-Years",  " 5-Years",  " 6-Years",  " 7-Years",
                          " 8-Years",  "10-Years",  "12-Years",  "14-Years"});
    ui.cmbDays->setCurrentIndex(-1);
}

void frmTrendLogs::optShortTermLog_Click()
{
    ui.cmbHours->show();
    ui.cmbDays->hide();
}

void frmTrendLogs::optLongTermLog_Click()
{
    ui.cmbDays->show();
    ui.cmbHours->hide();
}

void frmTrendLogs::ComputeRecordCount()
{
    if (!ui.cmbHours->isHidden())
        TrendRecordCount = ShortTermRecordCount();
    else if (!ui.cmbDays->isHidden())
        TrendRecordCount = LongTermRecordCount();
    else
        TrendRecordCount = 0;
}

int frmTrendLogs::ShortTermRecordCount() const { return ::ShortTermRecordCount(ui.cmbHours->currentText()); }
int frmTrendLogs::LongTermRecordCount() const { return ::LongTermRecordCount(ui.cmbDays->currentText()); }

QString frmTrendLogs::SaveTrendLog()
{
    ui.ProgressBar1->show();
    const ProgressInPlace inPlace(p_, progress_);
    return logs_.GetTrendLogFile(ui.optLongTermLog->isChecked(), TrendRecordCount);
}

void frmTrendLogs::btnOK_Click()
{
    if (downloading_)
        return;
    ComputeRecordCount();
    if (TrendRecordCount <= 0) {
        accept();   // no range chosen: nothing was asked for, so nothing failed
        return;
    }
    downloading_ = true;
    enableInputs(false);
    const QString name = SaveTrendLog();
    enableInputs(true);
    downloading_ = false;
    if (progress_.cancelled()) {
        QDialog::reject();
        return;
    }
    if (!name.isEmpty())
        OpenLogsInNotepad(p_, {name});
    accept();
}

void frmTrendLogs::enableInputs(bool enabled)
{
    for (QWidget* w :
         {static_cast<QWidget*>(ui.optShortTermLog), static_cast<QWidget*>(ui.optLongTermLog),
          static_cast<QWidget*>(ui.cmbHours), static_cast<QWidget*>(ui.cmbDays), static_cast<QWidget*>(ui.btnOK)})
        w->setEnabled(enabled);
}

void frmTrendLogs::btnCancel_Click() { reject(); }

void frmTrendLogs::reject()
{
    // Esc, the title bar's close button and Cancel all end up here.
    if (downloading_)
        progress_.cancel();
    else
        QDialog::reject();
}
