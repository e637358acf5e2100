#include "dialogs/frmLLDPConfig.h"
#include "commands/CommandContext.h"
#include "link/Transaction.h"
#include "platform/Conventions.h"
#include "ui/UnitValueBox.h"
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <optional>

const QString frmLLDPConfig::DefaultHostName = QStringLiteral("DEFAULTBUC");

namespace {

const QColor FailedColour(255, 0, 0);

void markFailed(QLineEdit* box, bool failed)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, failed ? FailedColour : QApplication::palette(box).color(QPalette::Base));
    box->setPalette(palette);
}

bool check(QLineEdit* box, bool passes)
{
    markFailed(box, !passes);
    return passes;
}

// A numeric box read as a whole number: digits only, at least one.
std::optional<qint64> wholeNumber(const QString& text)
{
    const auto digit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    if (text.isEmpty() || !std::all_of(text.cbegin(), text.cend(), digit))
        return std::nullopt;
    return text.toLongLong();
}

bool numberIn(const QLineEdit* box, qint64 low, qint64 high)
{
    const auto n = wholeNumber(box->text());
    return n && *n >= low && *n <= high;
}

template <class T> bool numberDiffers(const QLineEdit* box, const std::optional<T>& value)
{
    const auto n = wholeNumber(box->text());
    return !n || !value || *n != *value;
}

// A number the unit reported, as `pattern` writes it; "" when it reported none.
template <class T> QString reported(const std::optional<T>& value, const char* pattern)
{
    return value ? conv::FormatNumber(*value, QString::fromLatin1(pattern)) : QString();
}

// A free text goes into a ";"-joined command inside one frame, and the unit's LLDP agent
// sends it on as ASCII: only printable ASCII characters but ";" are taken.
bool textFits(const QLineEdit* box, int minLength)
{
    const QString text = box->text();
    return text.size() >= minLength && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
               return c.unicode() >= 0x20 && c.unicode() <= 0x7E && c != QLatin1Char(';');
           });
}

// Keeps only the digits of an edited numeric box (a paste among them), the cursor where it was.
void keepDigits(QLineEdit* box)
{
    const QString text = box->text();
    QString digits;
    int cursor = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'))
            digits += text.at(i);
        if (i + 1 == box->cursorPosition())
            cursor = int(digits.size());
    }
    if (digits != text) {
        box->setText(digits);
        box->setCursorPosition(cursor);
    }
}

}   // namespace

frmLLDPConfig::frmLLDPConfig(CommandContext& p, QWidget* parent) : QDialog(parent), p_(p)
{
    ui.setupUi(this);
    for (QLineEdit* box : {ui.txtlldpTxTimer, ui.txtlldpHoldtime, ui.txtlldpReinitDelay, ui.txtlldpMED})
        watchNumericBox(box);
    for (QLineEdit* box : {ui.txtlldpHostname, ui.txtlldpHWRev, ui.txtlldpUUID})
        watchTextBox(box);
    connect(ui.btnUserDefaults, &QPushButton::clicked, this, &frmLLDPConfig::SetUserDefaults);
    connect(ui.btnFactDefaults, &QPushButton::clicked, this, &frmLLDPConfig::SetFactoryDefaults);
    connect(ui.btnOK, &QPushButton::clicked, this, &frmLLDPConfig::btnOK_Click);
    connect(ui.btnClose, &QPushButton::clicked, this, &QDialog::reject);
    LoadUserParams();
    LoadFactoryParams();
}

void frmLLDPConfig::watchNumericBox(QLineEdit* box)
{
    box->installEventFilter(this);
    connect(box, &QLineEdit::textEdited, this, [box] {
        markFailed(box, false);
        keepDigits(box);
    });
}

void frmLLDPConfig::watchTextBox(QLineEdit* box)
{
    connect(box, &QLineEdit::textChanged, this, [box] { markFailed(box, false); });
}

// A key pressed in a numeric box clears its red; a character other than a digit is dropped.
// Keys without a character (arrows, Delete, Tab) and the edit shortcuts pass.
bool frmLLDPConfig::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    if (auto* box = qobject_cast<QLineEdit*>(watched))
        markFailed(box, false);
    const QString text = static_cast<QKeyEvent*>(event)->text();
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isPrint() && !IsNumericKey(c.unicode()); });
}

bool frmLLDPConfig::IsNumericKey(int keyAscii)
{
    return keyAscii == 13 || keyAscii == 8 || (keyAscii >= '0' && keyAscii <= '9');
}

void frmLLDPConfig::LoadUserParams()
{
    const UnitConfig& c = p_.unit.config;
    ui.chkEnable->setChecked(c.LldpEnabled);
    ShowUnitValue(ui.txtlldpTxTimer, reported(c.LldpTxTimer, "####0"));
    ShowUnitValue(ui.txtlldpHoldtime, reported(c.LldpHoldTime, "####0"));
    ShowUnitValue(ui.txtlldpReinitDelay, reported(c.LldpReinitDelay, "0"));
    ShowUnitValue(ui.txtlldpHostname, c.LldpHostName);
}

void frmLLDPConfig::LoadFactoryParams()
{
    const UnitConfig& c = p_.unit.config;
    ShowUnitValue(ui.txtlldpMED, reported(c.LldpFactoryMed, "########0"));
    ShowUnitValue(ui.txtlldpHWRev, c.LldpFactoryHwRev);
    ShowUnitValue(ui.txtlldpUUID, c.LldpFactoryUuid);
}

// Defaults are not checked: a red numeric box stays red until a key or OK.
void frmLLDPConfig::SetUserDefaults()
{
    ui.txtlldpTxTimer->setText(QStringLiteral("30"));
    ui.txtlldpHoldtime->setText(QStringLiteral("120"));
    ui.txtlldpReinitDelay->setText(QStringLiteral("2"));
    ui.txtlldpHostname->setText(DefaultHostName);
    ui.chkEnable->setChecked(true);
}

void frmLLDPConfig::SetFactoryDefaults()
{
    ui.txtlldpMED->setText(QStringLiteral("80008"));
    ui.txtlldpHWRev->setText(QStringLiteral("A"));
    ui.txtlldpUUID->setText(QStringLiteral("00000000-0000-0000-0000-000000000000"));
}

bool frmLLDPConfig::ValidUserParams()
{
    const bool passes[] = {
        check(ui.txtlldpTxTimer, numberIn(ui.txtlldpTxTimer, 30, 65534)),
        check(ui.txtlldpHoldtime, numberIn(ui.txtlldpHoldtime, 0, 65535)),
        check(ui.txtlldpReinitDelay, numberIn(ui.txtlldpReinitDelay, 2, 5)),
        check(ui.txtlldpHostname, textFits(ui.txtlldpHostname, 5)),
    };
    return std::all_of(std::begin(passes), std::end(passes), [](bool b) { return b; });
}

bool frmLLDPConfig::ValidFactoryParams()
{
    const bool passes[] = {
        check(ui.txtlldpMED, numberIn(ui.txtlldpMED, 0, 16777215)),
        check(ui.txtlldpHWRev, textFits(ui.txtlldpHWRev, 1)),
        check(ui.txtlldpUUID, textFits(ui.txtlldpUUID, 5)),
    };
    return std::all_of(std::begin(passes), std::end(passes), [](bool b) { return b; });
}

bool frmLLDPConfig::UserParamsChanged() const
{
    const UnitConfig& c = p_.unit.config;
    return ui.chkEnable->isChecked() != c.LldpEnabled || numberDiffers(ui.txtlldpTxTimer, c.LldpTxTimer) ||
           numberDiffers(ui.txtlldpHoldtime, c.LldpHoldTime) ||
           numberDiffers(ui.txtlldpReinitDelay, c.LldpReinitDelay) || ui.txtlldpHostname->text() != c.LldpHostName;
}

bool frmLLDPConfig::FactoryParmsChanged() const
{
    const UnitConfig& c = p_.unit.config;
    return numberDiffers(ui.txtlldpMED, c.LldpFactoryMed) || ui.txtlldpHWRev->text() != c.LldpFactoryHwRev ||
           ui.txtlldpUUID->text() != c.LldpFactoryUuid;
}

// The unit's answer is not examined: the main window reads the values back afterwards.
void frmLLDPConfig::SetUserParams()
{
    const QStringList fields = {ui.chkEnable->isChecked() ? QStringLiteral("1") : QStringLiteral("0"),
                                ui.txtlldpTxTimer->text(), ui.txtlldpHoldtime->text(), ui.txtlldpReinitDelay->text(),
                                ui.txtlldpHostname->text()};
    SendUnitCommand(p_, QStringLiteral("QlldpSetupConfig ") + fields.join(QLatin1Char(';')));
}

void frmLLDPConfig::SetFactoryParams()
{
    const QStringList fields = {ui.txtlldpMED->text(), ui.txtlldpHWRev->text(), ui.txtlldpUUID->text()};
    SendUnitCommand(p_, QStringLiteral("QlldpFactorySetup ") + fields.join(QLatin1Char(';')));
}

void frmLLDPConfig::btnOK_Click()
{
    // Both checks run, so every failing box of either section turns red.
    const bool user = ValidUserParams();
    const bool factory = ValidFactoryParams();
    if (!user || !factory)
        return;
    if (FactoryParmsChanged())
        SetFactoryParams();
    if (UserParamsChanged())
        SetUserParams();
    accept();
}
