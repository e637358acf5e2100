#include "ui/frmCmdLineUi.h"
#include "ui/ConsoleCommandBox.h"
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

void frmCmdLineUi::setupUi(QWidget* window)
{
    window->setObjectName(QStringLiteral("frmCmdLine"));
    window->setWindowTitle(QStringLiteral("Commandline"));

    Label1 = new QLabel(QStringLiteral("Command:"), window);
    Label1->setObjectName(QStringLiteral("Label1"));
    cmbCmd = new ConsoleCommandBox(window);
    cmbCmd->setObjectName(QStringLiteral("cmbCmd"));
    cmbCmd->setAccessibleName(QStringLiteral("Command"));
    Label1->setBuddy(cmbCmd);
    List1 = new QListWidget(window);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Replies"));
    // Replies are frames: a fixed-pitch font keeps their columns and 100-character lines.
    List1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    btnClose = new QPushButton(QStringLiteral("Close"), window);
    btnClose->setObjectName(QStringLiteral("btnClose"));

    auto* grid = new QGridLayout(window);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(cmbCmd, 0, 1);
    grid->addWidget(List1, 1, 0, 1, 2);
    grid->addWidget(btnClose, 2, 1, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    // Wide enough for a whole 100-character line.
    window->resize(List1->fontMetrics().horizontalAdvance(QString(104, QLatin1Char('0'))),
                   List1->fontMetrics().height() * 20);
    QWidget::setTabOrder(cmbCmd, List1);
    QWidget::setTabOrder(List1, btnClose);
}
