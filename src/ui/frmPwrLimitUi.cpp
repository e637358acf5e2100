#include "ui/frmPwrLimitUi.h"
#include "ui/DialogParts.h"
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using dialogparts::named;

void frmPwrLimitUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("frmPwrLimit"));
    dialog->setWindowTitle(QStringLiteral("Max RF Power Level"));

    auto* grid = new QGridLayout;
    const dialogparts::EntryRow limit = dialogparts::AddEntryRow(dialog, grid, "Text1", QStringLiteral("Pwr Level:"),
                                                                 QStringLiteral("dBm"), QStringLiteral("Power limit"));
    Text1 = limit.box;
    // Room for the longer unit, so the dialog keeps its size when it shows watts.
    lblUnits = named(limit.unit, "lblUnits");
    lblUnits->setMinimumWidth(lblUnits->fontMetrics().horizontalAdvance(QStringLiteral("Watts")));
    Text2 = dialogparts::AddEntryRow(dialog, grid, "Text2", QStringLiteral("Fault Level:"), QStringLiteral("dB"),
                                     QStringLiteral("Power limit fault level"))
                .box;
    Check1 = named(new QCheckBox(QStringLiteral("Enable"), dialog), "Check1");
    grid->addWidget(Check1, grid->rowCount(), 1, 1, 2);
    OKButton = named(new QPushButton(QStringLiteral("OK"), dialog), "OKButton");
    CancelButton = named(new QPushButton(QStringLiteral("Cancel"), dialog), "CancelButton");

    dialogparts::LayOut(dialog, grid, {Text1, Text2, Check1}, {OKButton, CancelButton});
}
