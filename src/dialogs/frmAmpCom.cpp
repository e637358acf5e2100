#include "dialogs/frmAmpCom.h"
#include "commands/CommandContext.h"
#include "commands/RemoteMessage.h"
#include "dialogs/SerialPortCommands.h"
#include "link/Transaction.h"
#include "platform/Conventions.h"
#include "platform/Prompts.h"
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace {

const QString EightBits = QStringLiteral("8");

// Selects the entry `text`, or nothing when the list has no such entry.
void selectText(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(text.isEmpty() ? -1 : list->findText(text, Qt::MatchExactly));
}

// Selects the entry whose leading number ("4" of "4 Wire") equals `value`; nothing when
// none does.
void selectNumber(QComboBox* list, qint64 value)
{
    list->setCurrentIndex(-1);
    for (int i = 0; i < list->count(); ++i)
        if (conv::Val(list->itemText(i)) == double(value))
            list->setCurrentIndex(i);
}

}   // namespace

frmAmpCom::frmAmpCom(CommandContext& p, QWidget* parent) : QDialog(parent), p_(p)
{
    ui.setupUi(this);
    // The parity lists and the OpenBMIP box act on code changes too, as the load relies on.
    connect(ui.cmb232Parity, &QComboBox::currentIndexChanged, this, &frmAmpCom::cmb232Parity_Click);
    connect(ui.cmb485Parity, &QComboBox::currentIndexChanged, this, &frmAmpCom::cmb485Parity_Click);
    connect(ui.chkOBMIP, &QCheckBox::toggled, this, &frmAmpCom::chkOBMIP_Click);
    connect(ui.btnSet232, &QPushButton::clicked, this, &frmAmpCom::btnSet232_Click);
    connect(ui.btnSet485, &QPushButton::clicked, this, &frmAmpCom::btnSet485_Click);
    connect(ui.Command1, &QPushButton::clicked, this, &frmAmpCom::Command1_Click);
    Form_Load();
}

void frmAmpCom::Form_Load()
{
    loading_ = true;
    InitCom1Settings();
    InitCom2Settings();
    loading_ = false;
}

void frmAmpCom::InitCom1Settings()
{
    const UnitConfig& c = p_.unit.config;
    fillPort(port232(), c.Com1Baud, c.Com1Parity, c.Com1DataBits, c.Com1StopBits);
}

void frmAmpCom::InitCom2Settings()
{
    const UnitConfig& c = p_.unit.config;
    fillPort(port485(), c.Com2Baud, c.Com2Parity, c.Com2DataBits, c.Com2StopBits);
    selectNumber(ui.cmb485Wire, c.Rs485WireCount == 2 || c.Rs485WireCount == 4 ? c.Rs485WireCount : -1);
    ui.cmb485Term->setCurrentIndex(c.Rs485Termination == QLatin1String("T")   ? 0
                                   : c.Rs485Termination == QLatin1String("U") ? 1
                                                                              : -1);
    const bool tagged = c.Rs485Protocol == QLatin1String("OBMIP") || c.Rs485Protocol == QLatin1String("ORVAN");
    ui.chkOBMIP->setVisible(tagged);
    ui.chkOBMIP->setChecked(tagged && c.Rs485Protocol == QLatin1String("OBMIP"));
}

// The parity choice runs its rule at once; the data bits the unit reported are then shown
// with both entries offered, so that a Set pressed only for the speed keeps 8 data bits.
void frmAmpCom::fillPort(const PortLists& port, qint32 baud, const QString& parity, qint16 dataBits, qint16 stopBits)
{
    selectNumber(port.baud, baud);
    port.parity->setCurrentIndex(ampcom::ParityEntry(parity));
    if (port.data->count() < 2)
        port.data->insertItem(1, EightBits);
    selectNumber(port.data, dataBits == 7 || dataBits == 8 ? dataBits : -1);
    selectNumber(port.stop, stopBits == 1 || stopBits == 2 ? stopBits : -1);
}

void frmAmpCom::cmb232Parity_Click() { applyParityRule(port232()); }

void frmAmpCom::cmb485Parity_Click() { applyParityRule(port485()); }

// No parity offers 7 and 8 data bits; odd or even parity 7 only.
void frmAmpCom::applyParityRule(const PortLists& port)
{
    if (p_.conn.FormUpdating)
        return;
    const QString parity = port.parity->currentText();
    if (parity == QLatin1String("None")) {
        if (port.data->count() < 2)
            port.data->insertItem(1, EightBits);
    } else if (!parity.isEmpty() && port.data->count() == 2) {
        port.data->setCurrentIndex(0);
        port.data->removeItem(1);
    }
}

void frmAmpCom::chkOBMIP_Click()
{
    if (loading_)
        return;
    if (ui.chkOBMIP->isChecked()) {
        p_.unit.config.Rs485Protocol = QStringLiteral("OBMIP");
        selectText(ui.cmb485Baud, QStringLiteral("38400"));
    } else {
        p_.unit.config.Rs485Protocol = QStringLiteral("ORVAN");
    }
}

bool frmAmpCom::readyToSet(std::initializer_list<const QComboBox*> lists)
{
    if (!p_.conn.RemoteMode) {
        ShowNotInRemoteMsg(p_.platform.prompts);
        return false;
    }
    for (const QComboBox* list : lists) {
        if (list->currentIndex() < 0) {
            p_.platform.prompts.message(QStringLiteral("Settings Incomplete."), QStringLiteral("Port Setting Error"),
                                        PromptIcon::Exclamation);
            return false;
        }
    }
    return true;
}

QString frmAmpCom::portCommand(const char* prefix, const PortLists& port)
{
    return ampcom::PortCommand(QString::fromLatin1(prefix), port.baud->currentText(), port.parity->currentText(),
                               port.data->currentText(), port.stop->currentText());
}

void frmAmpCom::btnSet232_Click()
{
    const PortLists port = port232();
    if (!readyToSet({port.baud, port.parity, port.data, port.stop}))
        return;
    SendUnitCommand(p_, portCommand("X1", port));   // a refusal is not reported
}

void frmAmpCom::btnSet485_Click()
{
    const PortLists port = port485();
    if (!readyToSet({port.baud, port.parity, port.data, port.stop, ui.cmb485Wire, ui.cmb485Term}))
        return;
    const UnitConfig& c = p_.unit.config;
    const auto wiring = ampcom::WiringCommand(ui.cmb485Wire->currentText(), ui.cmb485Term->currentText(),
                                              p_.LinkObject.DeviceAddress(), c.Rs485Protocol, c.ObmipSupported);
    if (!wiring || !SendUnitCommand(p_, *wiring, true))
        return;
    SendUnitCommand(p_, portCommand("X2", port), true);
}

void frmAmpCom::Command1_Click() { accept(); }
