// Nothing of one unit stands for the next: the window connects over loopback TCP to a unit
// that reports its LLDP, network, serial-port, up-converter, power-limit, gain-balance and
// temperature-trip settings, then to one of the same family that reports none of them. No
// set-up dialog shows the first unit's values to the second, and OK in each sends the second
// unit nothing of the first.
#include "app/MenuDialogRunner.h"
#include "support/LinkedMainWindow.h"
#include "status/UnitConnection.h"
#include <QAction>
#include <algorithm>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// What the first unit reports of itself (query, reply) and the values of it no dialog may show
// for the second.
struct Reported {
    QByteArray query;
    QByteArray reply;
    QStringList values;
};
const Reported FirstUnitReports[] = {
    {"QlldpSetupConfig?", "QlldpSetupConfig 1;60;4;3;UNITHOST7", {"60", "3", "UNITHOST7"}},
    {"QlldpFactorySetup?", "QlldpFactorySetup 80123;HWA;uuid-unit-a", {"80123", "HWA", "uuid-unit-a"}},
    {"PEI?", "PEI127.0.0.177", {"177"}},
    {"PEN?", "PEN255.255.224.0", {"224"}},
    {"PER?", "PER127.0.0.166", {"166"}},
    {"PEM?", "PEM00-AA-BB-CC-DD-EE", {"00-AA-BB-CC-DD-EE"}},
    {"X1?", "X1019200O71", {"19200", "Odd"}},
    {"X2?", "X2057600E72", {"57600", "Even", "2"}},
    {"XR?", "XR41T;OBMIP", {"4 Wire"}},
    {"PBCA?", "PBCA17.5", {"17.5"}},
    {"PO?", "PO1 44.4;41.1", {"44.4", "41.1"}},
    {"PG?", "PG1 6.5", {"6.5"}},
    {"PBKF?", "PBKF91", {"91"}},
    {"PBKA?", "PBKA81", {"81"}},
};

SimUnitProfile firstUnit()
{
    SimUnitProfile profile = sspaProfile();
    for (const Reported& r : FirstUnitReports)
        profile.set(r.query, r.reply);
    return QuickProfile(profile);
}

// The same family, refusing every query above.
SimUnitProfile secondUnit()
{
    SimUnitProfile profile = sspaProfile();
    for (const Reported& r : FirstUnitReports)
        profile.replies.remove(r.query);
    return QuickProfile(profile);
}

// The texts a dialog shows in its boxes and lists.
QStringList shownValues(const QDialog& d)
{
    QStringList shown;
    for (const QLineEdit* box : d.findChildren<QLineEdit*>())
        shown << box->text();
    for (const QComboBox* list : d.findChildren<QComboBox*>())
        shown << list->currentText();
    shown.removeAll(QString());
    return shown;
}

QPushButton* okButton(const QDialog& d)
{
    for (QPushButton* b : d.findChildren<QPushButton*>())
        if (b->text().compare(QStringLiteral("OK"), Qt::CaseInsensitive) == 0)
            return b;
    return nullptr;
}

// The set-up dialogs, opened from their menu entries.
const std::pair<MenuDialog, const char*> SetupDialogs[] = {
    {MenuDialog::LLDPCfg, "LLDP COnfiguration"},
    {MenuDialog::EnetCfg, "Ethernet Cfg"},
    {MenuDialog::AmpCom, "Serial Com"},
    {MenuDialog::lcBucSetup, "Block UpConverter"},
    {MenuDialog::MaxPwrLvl, "Max Power Level"},
    {MenuDialog::GainBal, "Gain Balance"},
    {MenuDialog::TempTripLevels, "Temperature Trip Levels"},
};

// Opens the entry's dialog; what it shows, then OK (or Close when it has none) when `ok`.
QStringList openDialog(LinkedMainWindow& t, MenuDialog row, bool ok)
{
    QStringList shown;
    t.prompts.modal = [&](QDialog& d) {
        shown = shownValues(d);
        QPushButton* button = okButton(d);
        if (ok && button)
            button->click();
        else
            d.reject();
        return d.result();
    };
    t.w().menuDialogs().RunMenuDialog(row);
    return shown;
}

}   // namespace

TEST(NextUnit, NoDialogShowsOrSendsTheFirstUnitsValues)
{
    LinkedMainWindow t(UnitLink::Tcp, firstUnit());
    SimUnit second(secondUnit());
    SimUnitTcp secondSim(second);
    ASSERT_TRUE(secondSim.listen());
    ASSERT_TRUE(t.connect());
    t.p().conn.RemoteMode = true;
    QStringList firstValues;
    for (const Reported& r : FirstUnitReports)
        firstValues << r.values;
    // Each dialog shows some of the first unit's values to the first unit.
    for (const auto& [row, name] : SetupDialogs) {
        SCOPED_TRACE(name);
        const QStringList shown = openDialog(t, row, false);
        EXPECT_TRUE(std::any_of(shown.cbegin(), shown.cend(), [&](const QString& v) {
            return firstValues.contains(v);
        })) << shown.join(" | ").toStdString();
    }

    // Disconnect, then the second unit's port through the "Ethernet Port" box, and Connect.
    t.w().connection().btnConnect_Click();
    t.prompts.inputAnswers << QString::number(secondSim.port());
    t.w().ui.mnuEthPort->trigger();
    ASSERT_TRUE(t.connect());
    ASSERT_EQ(secondSim.connectionsAccepted, 1);
    t.p().conn.RemoteMode = true;

    for (const auto& [row, name] : SetupDialogs) {
        SCOPED_TRACE(name);
        second.clearCommands();
        const QStringList shown = openDialog(t, row, true);
        for (const QString& value : firstValues)
            EXPECT_FALSE(shown.contains(value)) << value.toStdString();
        for (const QByteArray& command : second.commands())
            for (const QString& value : firstValues)
                EXPECT_FALSE(value.size() >= 4 && QString::fromLatin1(command).contains(value))
                    << command.toStdString() << " holds " << value.toStdString();
    }
}
