#include "ui/frmLocateIPUi.h"
#include <QDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>

void frmLocateIPUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("frmLocateIP"));
    dialog->setWindowTitle(QStringLiteral("Locate IP"));

    lblUnitsFound = new QLabel(QStringLiteral("Units Found:"), dialog);
    lblUnitsFound->setObjectName(QStringLiteral("lblUnitsFound"));
    lstIPAdrs = new QListWidget(dialog);
    lstIPAdrs->setObjectName(QStringLiteral("lstIPAdrs"));
    lstIPAdrs->setAccessibleName(QStringLiteral("Units found"));
    lstIPAdrs->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lstIPAdrs->setMinimumSize(420, 160);
    lblUnitsFound->setBuddy(lstIPAdrs);

    lblPortNum = new QLabel(QStringLiteral("Port Number:"), dialog);
    lblPortNum->setObjectName(QStringLiteral("lblPortNum"));
    txtPortNum = new QLineEdit(dialog);
    txtPortNum->setObjectName(QStringLiteral("txtPortNum"));
    txtPortNum->setAccessibleName(QStringLiteral("TCP port number"));
    txtPortNum->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtPortNum));
    lblPortNum->setBuddy(txtPortNum);

    btnSearch = new QPushButton(QStringLiteral("Search"), dialog);
    btnSearch->setObjectName(QStringLiteral("btnSearch"));
    btnSearch->setAutoDefault(false);
    btnClose = new QPushButton(QStringLiteral("Close"), dialog);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setAutoDefault(false);

    Timer1 = new QTimer(dialog);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer1->setSingleShot(true);

    auto* grid = new QGridLayout(dialog);
    grid->addWidget(lblUnitsFound, 0, 0, 1, 3);
    grid->addWidget(lstIPAdrs, 1, 0, 1, 3);
    grid->addWidget(lblPortNum, 2, 0);
    grid->addWidget(txtPortNum, 3, 0);
    grid->addWidget(btnSearch, 3, 1);
    grid->addWidget(btnClose, 3, 2);
}
