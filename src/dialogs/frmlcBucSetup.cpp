#include "dialogs/frmlcBucSetup.h"
#include "commands/CommandContext.h"
#include "dialogs/DialogsState.h"
#include "commands/BucQueries.h"
#include "commands/RemoteMessage.h"
#include "dialogs/BucAttenuation.h"
#include "dialogs/SettingSends.h"
#include "link/DeferredActions.h"
#include "link/Transaction.h"
#include "platform/BusyFlag.h"
#include "platform/Conventions.h"
#include "ui/EntryBoxEvents.h"
#include "ui/EntryKeys.h"
#include "ui/TextColour.h"
#include "ui/UnitValueBox.h"
#include "ui/UpDown.h"
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {

constexpr int RefreshMs = 700;
constexpr QRgb DarkRed = qRgb(128, 0, 0);
constexpr QRgb Black = qRgb(0, 0, 0);

QString reading(double value) { return conv::FormatNumber(value, QStringLiteral("##0.0")); }

// Enter and leaving the box bring a typed value into the unit's range themselves.
typednum::Field attenuationField() { return {QStringLiteral("IF Attenuation"), 4, true, {}}; }

}   // namespace

frmlcBucSetup::frmlcBucSetup(CommandContext& p, DialogsState& dialogs, QWidget* parent)
    : QDialog(parent), p_(p), dialogs_(dialogs)
{
    ui.setupUi(this);
    Timer1.setInterval(RefreshMs);
    connect(&Timer1, &QTimer::timeout, this, &frmlcBucSetup::Timer1_Timer);
    connect(ui.btnOk, &QPushButton::clicked, this, &frmlcBucSetup::btnOK_Click);
    connect(ui.btnadjAtn, &QPushButton::clicked, this, &frmlcBucSetup::btnadjAtn_Click);
    connect(ui.UpDown1, &UpDown::UpClick, this, &frmlcBucSetup::UpDown1_UpClick);
    connect(ui.UpDown1, &UpDown::DownClick, this, &frmlcBucSetup::UpDown1_DownClick);
    EntryBoxEvents::install(ui.txtlcBucA, {
                                              [this](QKeyEvent& key) { return attenuationKey(key); },
                                              nullptr,
                                              [this](Qt::FocusReason reason) { attenuationLeft(reason); },
                                          });
    Form_Load();
}

frmlcBucSetup::~frmlcBucSetup() { EntryBoxEvents::removeAll(this); }

void frmlcBucSetup::Form_Load()
{
    const UnitConfig& c = p_.unit.config;
    const bool fixed = c.LcBucMode == 0;
    ui.fraIdeal->setHidden(fixed);
    for (QWidget* control :
         {static_cast<QWidget*>(ui.txtlcBucA), static_cast<QWidget*>(ui.btnadjAtn), static_cast<QWidget*>(ui.UpDown1)})
        control->setEnabled(!fixed);
    ShowUnitValue(ui.txtlcBucA, buc::AttenuationText(c.LcBucAtten));
    ui.txtlcBucS->setText(reading(c.LcBucAtten + c.LcBucSetPoint));
    installed_ = c.LcBucInstalled;
    Timer1.start();
}

void frmlcBucSetup::Form_Unload()
{
    Timer1.stop();
    closed_ = true;
}

void frmlcBucSetup::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

void frmlcBucSetup::btnOK_Click() { accept(); }

void frmlcBucSetup::whenLinkFree(std::function<void()> action)
{
    RunWhenLinkFree(p_, [self = QPointer<frmlcBucSetup>(this), action = std::move(action)] {
        if (self && !self->closed_)
            action();
    });
}

bool frmlcBucSetup::attenuationKey(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab)
        return false;   // moves the focus on, as the operator expects
    // Delete, the arrows, Home and End edit and move as in any box.
    const std::optional<QChar> typedKey = entry::TypedChar(key);
    if (!typedKey)
        return false;
    const QChar typed = *typedKey;
    if (typed == QLatin1Char('-'))
        return true;   // no negative value can be typed
    if (!IsValidKey(typed))
        return true;
    if (typed == QLatin1Char('\r')) {
        whenLinkFree([this] { txtlcBucA_KeyPress(); });
        return true;
    }
    return false;
}

bool frmlcBucSetup::IsValidKey(QChar typed)
{
    if (!p_.conn.RemoteMode) {
        ShowNotInRemoteMsg(p_.platform.prompts);
        return false;
    }
    const char16_t c = typed.unicode();
    return (c >= u'0' && c <= u'9') || c == u'\b' || c == u'-' || c == u'.' || c == u'\r';
}

bool frmlcBucSetup::sendAttenuationBox()
{
    return SendUnitCommand(p_, QStringLiteral("PBCA") + ui.txtlcBucA->text(), false);
}

void frmlcBucSetup::txtlcBucA_KeyPress()
{
    if (!dialogsends::Typed(p_.platform.prompts, ui.txtlcBucA, std::nullopt, attenuationField()))
        return;
    UnitConfig& c = p_.unit.config;
    const double value = conv::Val(ui.txtlcBucA->text());
    ui.txtlcBucA->setText(buc::AttenuationText(buc::EnteredAttenuation(value, c.LcBucMaxAtten)));
    if (sendAttenuationBox())   // sent on every Enter, changed or not
        c.LcBucAtten = float(conv::Val(ui.txtlcBucA->text()));
}

void frmlcBucSetup::attenuationLeft(Qt::FocusReason reason)
{
    // A message box, a menu or another window taking the focus is not the operator leaving.
    if (!entry::LeavesBox(reason) || !ui.txtlcBucA->isEnabled())
        return;
    whenLinkFree([this] { txtlcBucA_LostFocus(); });
}

void frmlcBucSetup::txtlcBucA_LostFocus()
{
    UnitConfig& c = p_.unit.config;
    // The stored value as the box shows it (to one decimal) is no change either.
    const QString text = ui.txtlcBucA->text();
    if (text.isEmpty() || float(conv::Val(text)) == c.LcBucAtten || text == buc::AttenuationText(c.LcBucAtten))
        return;
    if (!p_.conn.RemoteMode) {
        ShowNotInRemoteMsg(p_.platform.prompts);
        return;
    }
    if (!dialogsends::Typed(p_.platform.prompts, ui.txtlcBucA, std::nullopt, attenuationField()))
        return;
    ui.txtlcBucA->setText(buc::AttenuationText(buc::LeftAttenuation(conv::Val(text), c.LcBucMaxAtten)));
    if (sendAttenuationBox())
        c.LcBucAtten = float(conv::Val(ui.txtlcBucA->text()));
}

void frmlcBucSetup::UpDown1_UpClick() { stepAttenuation(true); }

void frmlcBucSetup::UpDown1_DownClick() { stepAttenuation(false); }

void frmlcBucSetup::stepAttenuation(bool up)
{
    whenLinkFree([this, up] {
        if (!p_.conn.RemoteMode) {
            ShowNotInRemoteMsg(p_.platform.prompts);
            return;
        }
        // The stored value moves only when the unit takes the step: a refused step is not
        // counted, and the next one starts from what the unit holds.
        float& atten = p_.unit.config.LcBucAtten;
        const float stepped = buc::SteppedAttenuation(atten, up);
        ui.txtlcBucA->setText(buc::AttenuationText(stepped));
        if (sendAttenuationBox())
            atten = stepped;
        else
            ui.txtlcBucA->setText(buc::AttenuationText(atten));
    });
}

void frmlcBucSetup::btnadjAtn_Click()
{
    whenLinkFree([this] {
        const double sum = conv::Val(ui.txtlcBucA->text()) + conv::Val(ui.txtlcBucIdeal->text());
        const float adjusted = buc::AdjustResult(float(sum));
        if (!SendUnitCommand(p_, QStringLiteral("PBCA") + buc::AttenuationText(adjusted), false))
            return;
        const float held = SsaCmds::ReadBucAttenuation(p_);
        ui.txtlcBucA->setText(buc::AttenuationText(held));
        // What the unit holds is where the spin control and the leave check start from.
        if (held >= 0.0f)
            p_.unit.config.LcBucAtten = held;
    });
}

void frmlcBucSetup::Timer1_Timer()
{
    // Never beside another transaction or tick: a probe the busy link could not send would
    // pass for a failed one and close the dialog.
    if (closed_ || !installed_ || ticking_ || TransactionInFlight(p_))
        return;
    const BusyFlag busy(ticking_);
    if (!SendUnitCommand(p_, QStringLiteral("1"), false)) {
        btnOK_Click();
        return;
    }
    // A reply wait lets events run: OK may have closed the dialog meanwhile.
    if (!closed_)
        UpdatelcBucPwr();
    if (!closed_ && p_.unit.config.LcBucMode == 1)
        UpdatelcBucIdeal();
    if (!closed_)
        UpdateTemperature();
}

void frmlcBucSetup::UpdatelcBucPwr() { ui.txtlcBucPwr->setText(reading(SsaCmds::ReadBucPower(p_))); }

void frmlcBucSetup::UpdatelcBucIdeal()
{
    const float level = SsaCmds::ReadBucIdeal(p_);
    SetTextColour(ui.txtlcBucIdeal, level != 0.0f ? DarkRed : Black);
    ui.txtlcBucIdeal->setText(reading(level));
}

void frmlcBucSetup::UpdateTemperature()
{
    // An up-converter without a sensor answers -60.0 or less: it is asked once a connection.
    std::optional<quint64>& noSensor = dialogs_.LcBucNoSensorConnection;
    if (noSensor == p_.txn.ConnectionId)
        return;
    const float temperature = SsaCmds::ReadBucTemperature(p_);
    if (temperature <= -60.0f)
        noSensor = p_.txn.ConnectionId;
    else
        ui.txtlcBucTemp->setText(reading(temperature));
}
