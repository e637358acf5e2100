#include "dialogs/frmEnetCfg.h"
#include "commands/CommandContext.h"
#include "dialogs/DialogsState.h"
#include "link/Transaction.h"
#include "platform/Prompts.h"
#include "link/TcpConnection.h"
#include "ui/UnitValueBox.h"
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <optional>

namespace {

constexpr int IpGroup = 0, MaskGroup = 1, GatewayGroup = 2;

// A box's value: its digits read as a number, an empty box 0; too long a text reads as
// out of every range rather than wrapping.
qint64 boxValue(const QLineEdit* box)
{
    if (box->text().isEmpty())
        return 0;
    bool ok = false;
    const qint64 value = box->text().toLongLong(&ok);
    return ok && value <= 0x7fffffff ? value : std::numeric_limits<qint64>::max();
}

// The operator moved the focus on (Tab, a click, a mnemonic): the box is really left. A
// focus loss to a message box or another window is not.
bool isRealLeave(const QFocusEvent* event)
{
    const Qt::FocusReason r = event->reason();
    return r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::MouseFocusReason ||
           r == Qt::ShortcutFocusReason;
}

}   // namespace

bool EnetSettingsSent(const CommandContext& p, const DialogsState& dialogs)
{
    return dialogs.EnetSettingsSentOn == p.txn.ConnectionId;
}

frmEnetCfg::frmEnetCfg(CommandContext& p, DialogsState& dialogs, std::function<void()> targetChanged, QWidget* parent)
    : QDialog(parent), p_(p), dialogs_(dialogs), targetChanged_(std::move(targetChanged))
{
    ui.setupUi(this);
    const auto digits = [this](int most) {
        return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(most)), this);
    };
    const auto boxes = ui.octetBoxes();
    for (size_t i = 0; i < boxes.size(); ++i) {
        boxes[i]->setValidator(digits(3));
        boxes[i]->installEventFilter(this);
        connect(boxes[i], &QLineEdit::textChanged, this, [this, i] { octetEdited_[i] = true; });
    }
    ui.txtPort->setValidator(digits(32));
    ui.txtPort->installEventFilter(this);
    connect(ui.txtPort, &QLineEdit::textChanged, this, [this] { portEdited_ = true; });
    connect(ui.optDhcp, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            modeChosen(true);
    });
    connect(ui.optStaticIP, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            modeChosen(false);
    });
    // OK and Cancel take no focus from a click, so clicking them never counts as leaving a box:
    // OK checks every box it sends, Cancel checks none.
    ui.cmdOK->setFocusPolicy(Qt::TabFocus);
    ui.cmdCancel->setFocusPolicy(Qt::TabFocus);
    connect(ui.cmdOK, &QPushButton::clicked, this, &frmEnetCfg::cmdOK_Click);
    connect(ui.cmdCancel, &QPushButton::clicked, this, &frmEnetCfg::cmdCancel_Click);
    Form_Load();
}

void frmEnetCfg::Form_Load()
{
    const UnitConfig& c = p_.unit.config;
    const qint32 port = p_.conn.EnetPort;
    ui.lblMac->setText(c.UnitMACAddress);
    const bool shown = port >= 1 && port <= 4096;
    ui.txtPort->setText(QString::number(shown ? port : 2000));
    ui.txtPort->setEnabled(shown && port != 2000);
    const auto boxes = ui.octetBoxes();
    const std::array<const std::array<qint16, 4>*, 3> arrays{&c.UnitIPOctets, &c.UnitNetMaskOctets,
                                                             &c.UnitGatewayOctets};
    // A unit that reported no address of its own reported no network settings: the boxes
    // stay empty.
    for (size_t i = 0; i < boxes.size(); ++i)
        ShowUnitValue(boxes[i], c.UnitAddressRead ? QString::number((*arrays[i / 4])[i % 4]) : QString());
    (c.UnitDhcpEnabled ? ui.optDhcp : ui.optStaticIP)->setChecked(true);
    octetEdited_.fill(false);
    modeEdited_ = false;
    portEdited_ = false;
}

void frmEnetCfg::modeChosen(bool dhcp)
{
    modeEdited_ = true;
    for (QLineEdit* box : ui.octetBoxes())
        box->setEnabled(!dhcp);
}

bool frmEnetCfg::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto boxes = ui.octetBoxes();
        const auto at = std::find(boxes.begin(), boxes.end(), box);
        const QString text = static_cast<QKeyEvent*>(event)->text();
        return at != boxes.end() ? octetKey(int(at - boxes.begin()), text) : text == QLatin1String(".");
    }
    case QEvent::FocusIn:
        QTimer::singleShot(0, box, &QLineEdit::selectAll);   // after a click has placed the cursor
        break;
    case QEvent::FocusOut:
        if (isRealLeave(static_cast<QFocusEvent*>(event)))
            boxLeft(box);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

// "." moves on to the next octet box, the last mask octet to the first gateway octet; in the
// last gateway octet it is dropped. True when the key is taken here.
bool frmEnetCfg::octetKey(int index, const QString& text)
{
    if (text != QLatin1String("."))
        return false;
    const auto boxes = ui.octetBoxes();
    const size_t next = size_t(index) + 1;
    if (next < boxes.size())
        boxes[next]->setFocus(Qt::TabFocusReason);
    return true;
}

// A box left with a value out of its range keeps the focus.
void frmEnetCfg::boxLeft(QLineEdit* box)
{
    if (rangeError(box))
        QTimer::singleShot(0, box, [box] { box->setFocus(Qt::OtherFocusReason); });
}

bool frmEnetCfg::rangeError(QLineEdit* box)
{
    const qint64 value = boxValue(box);
    return box == ui.txtPort ? IsPortRangeError(value) : IsRangeError(value);
}

// An octet OK would send: an empty box (a value the unit did not report, left empty) is refused
// as out of range, like any value outside 0 to 255.
bool frmEnetCfg::sentOctetError(QLineEdit* box) { return box->text().isEmpty() ? IsRangeError(-1) : rangeError(box); }

// A negative octet can come only from the unit: no box takes a sign as typed.
bool frmEnetCfg::IsRangeError(qint64 value)
{
    if (value >= 0 && value <= 255)
        return false;
    p_.platform.prompts.message(QStringLiteral("Value out of Range (0 - 255)"), QStringLiteral("Range Error"),
                                PromptIcon::Exclamation);
    return true;
}

bool frmEnetCfg::IsPortRangeError(qint64 value)
{
    if (value >= 1 && value <= 65535)
        return false;
    p_.platform.prompts.message(QStringLiteral("Value out of Range (1 - 65535)"), QStringLiteral("Range Error"),
                                PromptIcon::Exclamation);
    return true;
}

bool frmEnetCfg::groupChanged(int group) const
{
    for (int i = 0; i < 4; ++i)
        if (octetEdited_[size_t(group) * 4 + size_t(i)])
            return true;
    return false;
}

QString frmEnetCfg::groupText(int group) const
{
    const UnitConfig& c = p_.unit.config;
    const std::array<qint16, 4>& octets = group == IpGroup     ? c.UnitIPOctets
                                          : group == MaskGroup ? c.UnitNetMaskOctets
                                                               : c.UnitGatewayOctets;
    QStringList parts;
    for (const qint16 octet : octets)
        parts << QString::number(octet);
    return parts.join(QLatin1Char('.'));
}

// Every box whose value would be sent is checked first: nothing out of range leaves, and
// the focus goes to the first box at fault. Then the octets take the boxes' values.
void frmEnetCfg::cmdOK_Click()
{
    const auto boxes = ui.octetBoxes();
    for (size_t i = 0; i < boxes.size(); ++i) {
        if (groupChanged(int(i / 4)) && sentOctetError(boxes[i])) {
            boxes[i]->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (portEdited_ && rangeError(ui.txtPort)) {
        ui.txtPort->setFocus(Qt::OtherFocusReason);
        return;
    }
    UnitConfig& c = p_.unit.config;
    const std::array<std::array<qint16, 4>*, 3> arrays{&c.UnitIPOctets, &c.UnitNetMaskOctets, &c.UnitGatewayOctets};
    for (size_t i = 0; i < boxes.size(); ++i)
        if (groupChanged(int(i / 4)))
            (*arrays[i / 4])[i % 4] = qint16(boxValue(boxes[i]));
    SendData();
    accept();
}

void frmEnetCfg::cmdCancel_Click() { reject(); }

bool frmEnetCfg::send(const QString& command, bool& ok)
{
    dialogs_.EnetSettingsSentOn = p_.txn.ConnectionId;
    ok = SendUnitCommand(p_, command, true);
    return ok;
}

void frmEnetCfg::SendData()
{
    bool ok = true;
    const bool dhcp = ui.optDhcp->isChecked();
    if (modeEdited_)
        send(QStringLiteral("PEO") + (dhcp ? QLatin1Char('1') : QLatin1Char('0')), ok);
    // Decided before the address commands: the main window reads the settings back.
    dialogs_.EnetSettingsChanged = groupChanged(IpGroup) || groupChanged(MaskGroup) || groupChanged(GatewayGroup) ||
                                   modeEdited_ || EnetSettingsSent(p_, dialogs_);
    if (!dhcp && groupChanged(IpGroup)) {
        // The address goes out even after a failure; a failure before it still stops the rest.
        bool ipOk = true;
        send(QStringLiteral("PEI") + groupText(IpGroup), ipOk);
        ok = ok && ipOk;
    }
    if (ok && groupChanged(MaskGroup))
        send(QStringLiteral("PEN") + groupText(MaskGroup), ok);
    if (ok && groupChanged(GatewayGroup))
        send(QStringLiteral("PER") + groupText(GatewayGroup), ok);
    std::optional<qint32> portSent;
    if (ok && portEdited_) {
        const auto port = qint32(boxValue(ui.txtPort));
        if (send(QStringLiteral("PEP") + QString::number(port), ok))
            portSent = port;
    }
    // Over the serial line the unit's network settings are the TCP target; over TCP the
    // target follows the unit only once the operator has it reset.
    if (portSent && !RoutedOverEnet(p_))
        followUnit(p_.conn.UnitIPAddress, *portSent);
    if (!ok || !EnetSettingsSent(p_, dialogs_) || p_.unit.flags.EnetProcessorUnit)
        return;
    if (applySettings())
        followUnit(!dhcp && groupChanged(IpGroup) ? groupText(IpGroup) : p_.conn.UnitIPAddress,
                   portSent.value_or(p_.conn.EnetPort));
}

void frmEnetCfg::followUnit(const QString& host, qint32 port)
{
    SetTcpTarget(p_, host, port);
    if (targetChanged_)
        targetChanged_();
}

// The unit takes the new settings at once over the serial line; over TCP it must be reset,
// which ends the connection, so the operator is asked first. True when the unit was reset
// over TCP.
bool frmEnetCfg::applySettings()
{
    if (!RoutedOverEnet(p_)) {
        SendUnitCommand(p_, QStringLiteral("PES"), true);
        return false;
    }
    const PromptAnswer answer = p_.platform.prompts.message(
        QStringLiteral("Unit must be reset for new \r\nparameters to take effect!\r\n\r\nReset Now?"),
        QStringLiteral("Ethernet Configuration"), PromptIcon::Question, PromptButtons::YesNo);
    if (answer != PromptAnswer::Yes)
        return false;
    SendUnitCommand(p_, QStringLiteral("~"));
    QCoreApplication::processEvents();
    return true;
}
