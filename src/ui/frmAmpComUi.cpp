#include "ui/frmAmpComUi.h"
#include "ui/DialogParts.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using dialogparts::named;

namespace {

// One captioned list in the next row of `grid`; the caption labels it for assistive
// technology too, which reads a list's choice as its name.
QComboBox* row(QGridLayout* grid, const char* objectName, const char* caption, const char* accessible,
               const QStringList& items)
{
    QWidget* frame = grid->parentWidget();
    auto* label = new QLabel(QString::fromLatin1(caption), frame);
    auto* list = named(new QComboBox(frame), objectName);
    list->addItems(items);
    list->setCurrentIndex(-1);
    list->setAccessibleName(QString::fromLatin1(accessible));
    label->setBuddy(list);
    const int r = grid->rowCount();
    grid->addWidget(label, r, 0);
    grid->addWidget(list, r, 1);
    return list;
}

const QStringList Bauds = {QStringLiteral("4800"),  QStringLiteral("9600"),  QStringLiteral("19200"),
                           QStringLiteral("38400"), QStringLiteral("57600"), QStringLiteral("115200")};
const QStringList Parities = {QStringLiteral("None"), QStringLiteral("Odd"), QStringLiteral("Even")};
const QStringList DataBits = {QStringLiteral("7"), QStringLiteral("8")};
const QStringList StopBits = {QStringLiteral("1"), QStringLiteral("2")};

}   // namespace

void frmAmpComUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("frmAmpCom"));
    dialog->setWindowTitle(QStringLiteral("Serial Communication"));

    fra232 = named(new QGroupBox(QStringLiteral("232 Port"), dialog), "fra232");
    auto* grid232 = new QGridLayout(fra232);
    cmb232Baud = row(grid232, "cmb232Baud", "Baud:", "RS-232 baud rate", Bauds);
    cmb232Parity = row(grid232, "cmb232Parity", "Parity:", "RS-232 parity", Parities);
    cmb232Data = row(grid232, "cmb232Data", "Data:", "RS-232 data bits", DataBits);
    cmb232Stop = row(grid232, "cmb232Stop", "Stop:", "RS-232 stop bits", StopBits);
    btnSet232 = named(new QPushButton(QStringLiteral("Set"), fra232), "btnSet232");
    grid232->addWidget(btnSet232, grid232->rowCount(), 1);
    grid232->setRowStretch(grid232->rowCount(), 1);

    fra485 = named(new QGroupBox(QStringLiteral("485 Port"), dialog), "fra485");
    auto* grid485 = new QGridLayout(fra485);
    cmb485Baud = row(grid485, "cmb485Baud", "Baud:", "RS-485 baud rate", Bauds);
    cmb485Parity = row(grid485, "cmb485Parity", "Parity:", "RS-485 parity", Parities);
    cmb485Data = row(grid485, "cmb485Data", "Data:", "RS-485 data bits", DataBits);
    cmb485Stop = row(grid485, "cmb485Stop", "Stop:", "RS-485 stop bits", StopBits);
    cmb485Wire =
        row(grid485, "cmb485Wire", "Wire:", "RS-485 wiring", {QStringLiteral("2 Wire"), QStringLiteral("4 Wire")});
    cmb485Term = row(grid485, "cmb485Term", "Term:", "RS-485 termination",
                     {QStringLiteral("Terminated"), QStringLiteral("Unterminated")});
    chkOBMIP = named(new QCheckBox(QStringLiteral("Use OpenBMIP"), fra485), "chkOBMIP");
    chkOBMIP->hide();   // shown by the load for a unit that reports its protocol
    grid485->addWidget(chkOBMIP, grid485->rowCount(), 0, 1, 2);
    btnSet485 = named(new QPushButton(QStringLiteral("Set"), fra485), "btnSet485");
    grid485->addWidget(btnSet485, grid485->rowCount(), 1);

    Command1 = named(new QPushButton(QStringLiteral("Close"), dialog), "Command1");
    auto* ports = new QHBoxLayout;
    ports->addWidget(fra232, 0, Qt::AlignTop);
    ports->addWidget(fra485);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto* column = new QVBoxLayout(dialog);
    column->addLayout(ports);
    column->addLayout(buttons);
}
