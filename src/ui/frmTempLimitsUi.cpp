#include "ui/frmTempLimitsUi.h"
#include "ui/DialogParts.h"
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

using dialogparts::named;

void frmTempLimitsUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("frmTempLimits"));
    dialog->setWindowTitle(QStringLiteral("Temperature Trip Levels"));

    auto* grid = new QGridLayout;
    txtFltTripLvl =
        dialogparts::AddEntryRow(dialog, grid, "txtFltTripLvl", QStringLiteral("Temperature Fault trip Level:"),
                                 QStringLiteral("C"), QStringLiteral("Temperature fault trip level"))
            .box;
    txtAlrmTripLvl =
        dialogparts::AddEntryRow(dialog, grid, "txtAlrmTripLvl", QStringLiteral("Temperature Alarm trip Level:"),
                                 QStringLiteral("C"), QStringLiteral("Temperature alarm trip level"))
            .box;
    // The levels are sent as typed: a paste can bring in nothing but digits either. The boxes
    // cut nothing short: the dialog names a level longer than it takes.
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), dialog);
    txtFltTripLvl->setValidator(digits);
    txtAlrmTripLvl->setValidator(digits);
    chkLatchFlts = named(new QCheckBox(QStringLiteral("Latch Temperature Faults:"), dialog), "chkLatchFlts");
    chkLatchFlts->setLayoutDirection(Qt::RightToLeft);   // the caption left of the box, as a row caption
    grid->addWidget(chkLatchFlts, grid->rowCount(), 0, 1, 2, Qt::AlignLeft | Qt::AlignAbsolute);
    btnOK = named(new QPushButton(QStringLiteral("OK"), dialog), "btnOK");
    btnClose = named(new QPushButton(QStringLiteral("Close"), dialog), "btnClose");

    dialogparts::LayOut(dialog, grid, {txtFltTripLvl, txtAlrmTripLvl, chkLatchFlts}, {btnOK, btnClose});
}
