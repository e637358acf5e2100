#include "ui/frmComUi.h"
#include "ui/DialogParts.h"
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using dialogparts::named;

namespace {

QGroupBox* optionGroup(QDialog* dialog, const char* name, const QString& title,
                       std::initializer_list<std::pair<QRadioButton**, const char*>> options,
                       const QStringList& captions)
{
    auto* box = named(new QGroupBox(title, dialog), name);
    auto* column = new QVBoxLayout(box);
    int i = 0;
    for (const auto& [slot, optionName] : options) {
        *slot = named(new QRadioButton(captions[i++], box), optionName);
        column->addWidget(*slot);
    }
    return box;
}
}   // namespace

void frmComUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("frmCom"));

    lblBaud = named(new QLabel(QStringLiteral("Baud Rate:"), dialog), "lblBaud");
    cbBaud = named(new QComboBox(dialog), "cbBaud");
    cbBaud->setAccessibleName(QStringLiteral("Baud rate"));
    lblBaud->setBuddy(cbBaud);

    fraParity = optionGroup(dialog, "fraParity", QStringLiteral("Parity:"),
                            {{&Option5, "Option5"}, {&Option4, "Option4"}, {&Option3, "Option3"}},
                            {QStringLiteral("N"), QStringLiteral("E"), QStringLiteral("O")});
    fraData = optionGroup(dialog, "fraData", QStringLiteral("Data:"), {{&Option1, "Option1"}, {&Option2, "Option2"}},
                          {QStringLiteral("7"), QStringLiteral("8")});
    fraStop = optionGroup(dialog, "fraStop", QStringLiteral("Stop:"), {{&Option7, "Option7"}, {&Option6, "Option6"}},
                          {QStringLiteral("1"), QStringLiteral("2")});

    btnOK = named(new QPushButton(QStringLiteral("Ok"), dialog), "btnOK");
    btnOK->setDefault(true);
    btnCancel = named(new QPushButton(QStringLiteral("Cancel"), dialog), "btnCancel");

    auto* grid = new QGridLayout(dialog);
    grid->addWidget(lblBaud, 0, 0);
    grid->addWidget(cbBaud, 1, 0);
    auto* groups = new QHBoxLayout;
    groups->addWidget(fraParity);
    groups->addWidget(fraData);
    groups->addWidget(fraStop);
    grid->addLayout(groups, 2, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 1, 2, 1);
}
