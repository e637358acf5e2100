#include "ui/frmEnetCfgUi.h"
#include "ui/DialogParts.h"
#include "ui/ValueLabel.h"
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using dialogparts::named;

namespace {

QLineEdit* centredBox(QWidget* parent, const QString& objectName, const QString& accessible)
{
    auto* box = named(new QLineEdit(parent), objectName);
    box->setAlignment(Qt::AlignCenter);
    box->setAccessibleName(accessible);
    return box;
}

// A group of four octet boxes in a row, "txt<prefix>1b" to "txt<prefix>4b", separated by
// dots, each named "<what> octet n" for assistive technology.
QGroupBox* octetGroup(QWidget* parent, const QString& caption, const QString& prefix, const QString& what,
                      std::array<QLineEdit*, 4>& boxes)
{
    auto* group = named(new QGroupBox(caption, parent), QStringLiteral("fra") + prefix);
    auto* row = new QHBoxLayout(group);
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            row->addWidget(new QLabel(QStringLiteral("."), group));
        const QString n = QString::number(i + 1);
        QLineEdit* box = centredBox(group, QStringLiteral("txt") + prefix + n + QStringLiteral("b"),
                                    what + QStringLiteral(" octet ") + n);
        box->setMaxLength(3);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
        row->addWidget(box);
        boxes[static_cast<size_t>(i)] = box;
    }
    return group;
}

}   // namespace

std::array<QLineEdit*, 12> frmEnetCfgUi::octetBoxes() const
{
    return {txtIP1b, txtIP2b, txtIP3b, txtIP4b, txtNM1b, txtNM2b, txtNM3b, txtNM4b, txtGW1b, txtGW2b, txtGW3b, txtGW4b};
}

void frmEnetCfgUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("frmEnetCfg"));
    dialog->setWindowTitle(QStringLiteral("Ethernet Configuration"));

    Label1 = named(new QLabel(QStringLiteral("MAC Address:"), dialog), QStringLiteral("Label1"));
    // Its value is its accessible name; what it stands for, the description.
    lblMac = named(new ValueLabel(QString(), QStringLiteral("MAC address"), dialog), QStringLiteral("lblMac"));
    lblMac->setTextInteractionFlags(Qt::TextSelectableByMouse);

    std::array<QLineEdit*, 4> ip{}, nm{}, gw{};
    fraIP = octetGroup(dialog, QStringLiteral("IP Address"), QStringLiteral("IP"), QStringLiteral("IP address"), ip);
    fraNM = octetGroup(dialog, QStringLiteral("Net Mask"), QStringLiteral("NM"), QStringLiteral("Net mask"), nm);
    fraGW = octetGroup(dialog, QStringLiteral("Gateway (router) Address"), QStringLiteral("GW"),
                       QStringLiteral("Gateway address"), gw);
    std::tie(txtIP1b, txtIP2b, txtIP3b, txtIP4b) = std::tuple(ip[0], ip[1], ip[2], ip[3]);
    std::tie(txtNM1b, txtNM2b, txtNM3b, txtNM4b) = std::tuple(nm[0], nm[1], nm[2], nm[3]);
    std::tie(txtGW1b, txtGW2b, txtGW3b, txtGW4b) = std::tuple(gw[0], gw[1], gw[2], gw[3]);

    fraPort = named(new QGroupBox(QStringLiteral("Port Number"), dialog), QStringLiteral("fraPort"));
    txtPort = centredBox(fraPort, QStringLiteral("txtPort"), QStringLiteral("Port number"));
    txtPort->setFixedWidth(txtPort->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
    (new QHBoxLayout(fraPort))->addWidget(txtPort, 0, Qt::AlignLeft);

    fraMode = named(new QGroupBox(QStringLiteral("Mode"), dialog), QStringLiteral("fraMode"));
    optDhcp = named(new QRadioButton(QStringLiteral("DHCP"), fraMode), QStringLiteral("optDhcp"));
    optStaticIP = named(new QRadioButton(QStringLiteral("Static IP"), fraMode), QStringLiteral("optStaticIP"));
    auto* modes = new QHBoxLayout(fraMode);
    modes->addWidget(optDhcp);
    modes->addWidget(optStaticIP);
    modes->addStretch();

    cmdOK = named(new QPushButton(QStringLiteral("OK"), dialog), QStringLiteral("cmdOK"));
    cmdCancel = named(new QPushButton(QStringLiteral("Cancel"), dialog), QStringLiteral("cmdCancel"));
    cmdOK->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);

    auto* mac = new QHBoxLayout;
    mac->addStretch();
    mac->addWidget(Label1);
    mac->addWidget(lblMac);
    auto* grid = new QGridLayout;
    grid->addWidget(fraIP, 0, 0);
    grid->addWidget(fraNM, 0, 1);
    grid->addWidget(fraGW, 1, 0);
    grid->addWidget(fraPort, 1, 1);
    grid->addWidget(fraMode, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* column = new QVBoxLayout(dialog);
    column->addLayout(mac);
    column->addLayout(grid);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* order[] = {txtIP1b, txtIP2b, txtIP3b, txtIP4b, txtNM1b,     txtNM2b, txtNM3b,   txtNM4b, txtGW1b,
                        txtGW2b, txtGW3b, txtGW4b, optDhcp, optStaticIP, cmdOK,   cmdCancel, txtPort};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
