#include "ui/frmSetSubBandUi.h"
#include "ui/DialogParts.h"
#include <QDialog>
#include <QGridLayout>
#include <QRadioButton>

void frmSetSubBandUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("frmSetSubBand"));
    dialog->setWindowTitle(QStringLiteral("Select Sub-Band"));

    auto* grid = new QGridLayout(dialog);
    for (int i = 0; i < 8; ++i) {
        auto* option = new QRadioButton(dialog);
        option->setObjectName(QStringLiteral("optSelectedSB_%1").arg(i));
        option->hide();
        grid->addWidget(option, i % 4, i / 4);
        optSelectedSB[static_cast<size_t>(i)] = option;
        if (i > 0)
            QWidget::setTabOrder(optSelectedSB[static_cast<size_t>(i - 1)], option);
    }
    dialogparts::FitTitle(dialog);
}
