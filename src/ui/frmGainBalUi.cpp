#include "ui/frmGainBalUi.h"
#include "ui/DialogParts.h"
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

using dialogparts::named;

void frmGainBalUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("frmGainBal"));
    dialog->setWindowTitle(QStringLiteral("Gain Balance"));

    auto* grid = new QGridLayout;
    Check1 = named(new QCheckBox(QStringLiteral("Enabled"), dialog), "Check1");
    grid->addWidget(Check1, 0, 0, 1, 3);
    Text1 = dialogparts::AddEntryRow(dialog, grid, "Text1", QStringLiteral("Value:"), QStringLiteral("dB"),
                                     QStringLiteral("Gain balance value"))
                .box;
    btnOk = named(new QPushButton(QStringLiteral("Ok"), dialog), "btnOk");
    btnCancel = named(new QPushButton(QStringLiteral("Cancel"), dialog), "btnCancel");

    dialogparts::LayOut(dialog, grid, {Check1, Text1}, {btnOk, btnCancel});
}
