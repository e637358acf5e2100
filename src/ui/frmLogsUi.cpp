#include "ui/frmLogsUi.h"
#include "ui/DialogParts.h"
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using dialogparts::named;

void frmLogsUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("frmLogs"));
    dialog->setWindowTitle(QStringLiteral("Parameter Logs"));

    Label1 = named(new QLabel(QStringLiteral("Select Files to Download:"), dialog), "Label1");
    chk10min = named(new QCheckBox(QStringLiteral("10-minute Log"), dialog), "chk10min");
    chkHourly = named(new QCheckBox(QStringLiteral("Hourly Log"), dialog), "chkHourly");
    chkDaily = named(new QCheckBox(QStringLiteral("Daily Log"), dialog), "chkDaily");
    chkMonthly = named(new QCheckBox(QStringLiteral("Monthly Log"), dialog), "chkMonthly");
    chkCathMon = named(new QCheckBox(QStringLiteral("Cathode Current Log"), dialog), "chkCathMon");
    chkFault = named(new QCheckBox(QStringLiteral("Fault Log"), dialog), "chkFault");
    chkAll = named(new QCheckBox(QStringLiteral("Select All"), dialog), "chkAll");
    optExcel = named(new QRadioButton(QStringLiteral("Open in Excel"), dialog), "optExcel");
    optNotepad = named(new QRadioButton(QStringLiteral("Open in Notepad"), dialog), "optNotepad");
    ProgressBar1 = dialogparts::DownloadBar(dialog);
    Command1 = named(new QPushButton(QStringLiteral("OK"), dialog), "Command1");
    Command2 = named(new QPushButton(QStringLiteral("Cancel"), dialog), "Command2");
    Command1->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0, 1, 2);
    int row = 1;
    for (QCheckBox* box : logBoxes())
        grid->addWidget(box, row++, 0);
    grid->addWidget(chkAll, row++, 0);
    grid->addWidget(optExcel, 1, 1);
    grid->addWidget(optNotepad, 2, 1);
    grid->setColumnStretch(1, 1);
    auto* body = new QVBoxLayout;
    body->addLayout(grid);
    body->addWidget(ProgressBar1);
    dialogparts::LayOut(dialog, body,
                        {chk10min, chkHourly, chkDaily, chkMonthly, chkCathMon, chkFault, chkAll, optExcel, optNotepad},
                        {Command1, Command2});
}
