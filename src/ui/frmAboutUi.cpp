#include "ui/frmAboutUi.h"
#include "ui/DialogParts.h"
#include "ui/ValueLabel.h"
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

using dialogparts::named;

namespace {

QFrame* line(QWidget* parent, const char* name)
{
    auto* frame = named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

}   // namespace

void frmAboutUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("frmAbout"));
    dialog->setWindowTitle(QStringLiteral("About Tubamon Utility"));

    picIcon = named(new QLabel(dialog), "picIcon");
    picIcon->setPixmap(QPixmap(QStringLiteral(":/tubamon.xpm")));
    picIcon->setAccessibleName(QStringLiteral("Program icon"));
    picIcon->setAlignment(Qt::AlignTop);
    lblTitle = named(new QLabel(dialog), "lblTitle");
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = named(new ValueLabel(QString(), QStringLiteral("Program version"), dialog), "lblVersion");
    lblDescription =
        named(new QLabel(QStringLiteral("Description:  Controls and Configures Orvan High-Power Amplifiers."), dialog),
              "lblDescription");
    for (QLabel* text : {lblTitle, lblVersion, lblDescription})
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Line1 = line(dialog, "Line1");
    Line2 = line(dialog, "Line2");
    cmdOK = named(new QPushButton(QStringLiteral("OK"), dialog), "cmdOK");
    cmdOK->setDefault(true);
    cmdSysInfo = named(new QPushButton(QStringLiteral("&System Info..."), dialog), "cmdSysInfo");
    dialogparts::RoomForCaption(cmdSysInfo);

    auto* grid = new QGridLayout(dialog);
    grid->addWidget(picIcon, 0, 0, 3, 1);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblDescription, 2, 1);
    grid->addWidget(Line1, 3, 0, 1, 2);
    grid->addWidget(Line2, 4, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}
