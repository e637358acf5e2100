#include "ui/frmStartupUi.h"
#include "ui/DialogParts.h"
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using dialogparts::named;

void frmStartupUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("frmStartup"));
    dialog->setWindowTitle(QStringLiteral("Amplifier Startup "));

    optNorm = named(new QRadioButton(QStringLiteral("Normal"), dialog), "optNorm");
    optOff = named(new QRadioButton(QStringLiteral("Off"), dialog), "optOff");
    optOn = named(new QRadioButton(QStringLiteral("On"), dialog), "optOn");
    Command1 = named(new QPushButton(QStringLiteral("Close"), dialog), "Command1");

    auto* options = new QVBoxLayout;
    for (QRadioButton* option : {optNorm, optOff, optOn})
        options->addWidget(option);
    dialogparts::LayOut(dialog, options, {optNorm, optOff, optOn}, {Command1});
}
