#include "ui/frmCalFactorsUi.h"
#include "ui/DialogParts.h"
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// A box of the table: it shows the unit's value and takes no typing, paste or drop.
QLineEdit* tableBox(QDialog* dialog, const QString& name, const QString& accessible)
{
    auto* box = new QLineEdit(dialog);
    box->setObjectName(name);
    box->setAccessibleName(accessible);
    box->setReadOnly(true);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000.000")) + 12);
    return box;
}
}   // namespace

void frmCalFactorsUi::setupUi(QDialog* dialog)
{
    using dialogparts::named;
    dialog->setObjectName(QStringLiteral("frmCalFactors"));
    dialog->setWindowTitle(QStringLiteral("Cal Factors"));

    lblFrequency = named(new QLabel(QStringLiteral("Frequency (GHz)"), dialog), "lblFrequency");
    lblCalFactor = named(new QLabel(QStringLiteral("Cal Factor (dB)"), dialog), "lblCalFactor");
    auto* grid = new QGridLayout;
    grid->addWidget(lblFrequency, 0, 0);
    grid->addWidget(lblCalFactor, 0, 1);
    for (int i = 0; i < Rows; ++i) {
        const QString n = QString::number(i + 1);
        txtCFFrq[i] = tableBox(dialog, QStringLiteral("txtCFFrq") + n, QStringLiteral("Frequency ") + n);
        txtCFdB[i] = tableBox(dialog, QStringLiteral("txtCFdB") + n, QStringLiteral("Cal factor ") + n);
        grid->addWidget(txtCFFrq[i], i + 1, 0);
        grid->addWidget(txtCFdB[i], i + 1, 1);
    }
    btnSaveTable = named(new QPushButton(QStringLiteral("Save"), dialog), "btnSaveTable");
    btnOK = named(new QPushButton(QStringLiteral("OK"), dialog), "btnOK");
    btnClose = named(new QPushButton(QStringLiteral("Close"), dialog), "btnClose");
    btnOK->setDefault(true);

    // Made row by row, the boxes follow each other in reading order, then the buttons.
    dialogparts::LayOut(dialog, grid, {}, {btnSaveTable, btnOK, btnClose});
}
