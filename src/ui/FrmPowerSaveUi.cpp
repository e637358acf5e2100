#include "ui/FrmPowerSaveUi.h"
#include "ui/DialogParts.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using dialogparts::named;

void FrmPowerSaveUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("FrmPowerSave"));
    dialog->setWindowTitle(QStringLiteral("Power Save Mode"));

    Frame1 = named(new QGroupBox(QStringLiteral("Status"), dialog), "Frame1");
    chkPowerMode = named(new QCheckBox(QStringLiteral("  Enabled"), Frame1), "chkPowerMode");
    lblPowerLevel = named(new QLabel(QStringLiteral("Power Level:"), Frame1), "lblPowerLevel");
    cmbPowerLevel = named(new QComboBox(Frame1), "cmbPowerLevel");
    cmbPowerLevel->addItems({QStringLiteral("0 (Min)"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                             QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7 (Max)")});
    cmbPowerLevel->setCurrentIndex(-1);
    cmbPowerLevel->setAccessibleName(QStringLiteral("Power save level"));
    lblPowerLevel->setBuddy(cmbPowerLevel);
    auto* grid = new QGridLayout(Frame1);
    grid->addWidget(chkPowerMode, 0, 0, 1, 2);
    grid->addWidget(lblPowerLevel, 1, 0);
    grid->addWidget(cmbPowerLevel, 1, 1);

    OKButton = named(new QPushButton(QStringLiteral("OK"), dialog), "OKButton");
    CancelButton = named(new QPushButton(QStringLiteral("Cancel"), dialog), "CancelButton");
    auto* body = new QVBoxLayout;
    body->addWidget(Frame1);
    dialogparts::LayOut(dialog, body, {chkPowerMode, cmbPowerLevel}, {OKButton, CancelButton});
}
