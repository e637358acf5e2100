// What the option dialogs and the menus' input boxes take, through the main window linked to
// the simulated unit: each field with a valid value sends its command; an exponent, a comma,
// too many digits, a value out of range, letters or an empty required field send nothing of
// the dialog and show the box that names the field and what it takes. A setting the unit
// refuses is told, and the dialog opens again with the unit's values.
#include "LinkedWindow.h"
#include "app/Program.h"
#include "support/SimUnitAcknowledge.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

void triggerEntry(frmMain& w, const QString& caption)
{
    for (QAction* a : w.findChildren<QAction*>())
        if (a->text() == caption) {
            a->trigger();
            return;
        }
    ADD_FAILURE() << "no entry " << caption.toStdString();
}

// One field: where it is, the valid text and what it sends, and the texts it refuses.
struct FieldCase {
    const char* entry;   // the menu entry; nullptr: the RF frequency label's double click
    const char* box;     // the dialog's box; nullptr: an input box
    const char* other;   // another control of the dialog changed as well: a check box or a box
    const char* otherText;
    const char* valid;
    QByteArrayList validSent;
    QStringList refused;   // besides an exponent, a comma and letters
    const char* takes;     // "title: text" of the box
};

// Opens the field's dialog or input box, types `text` (with the dialog's other control
// changed) and presses OK; a refused input box is then cancelled.
void enter(LinkedWindow& u, const FieldCase& f, const QString& text)
{
    FakePrompts& prompts = u.prompts;
    if (!f.box) {
        prompts.inputAnswers = {text};
        if (f.entry)
            triggerEntry(u.w(), f.entry);
        else
            QTest::mouseDClick(u.w().ui.lblRFFrqVal, Qt::LeftButton);
        return;
    }
    prompts.modal = [&](QDialog& d) {
        QCheckBox* check = f.other ? d.findChild<QCheckBox*>(f.other) : nullptr;
        QLineEdit* other = f.other ? d.findChild<QLineEdit*>(f.other) : nullptr;
        if (check)
            check->click();
        if (other)
            other->setText(f.otherText);
        d.findChild<QLineEdit*>(f.box)->setText(text);
        for (QPushButton* b : d.findChildren<QPushButton*>())
            if (b->text().compare("OK", Qt::CaseInsensitive) == 0)
                b->click();
        if (d.result() != QDialog::Accepted)
            d.reject();   // as Cancel after the box
        return d.result();
    };
    triggerEntry(u.w(), f.entry);
    prompts.modal = nullptr;
}

// Opens the dialog of `entry` and lets `operate` play the operator while it is open.
void withDialog(LinkedWindow& u, const char* entry, const std::function<void(QDialog&)>& operate)
{
    u.prompts.modal = [&](QDialog& d) {
        operate(d);
        if (!d.isHidden() && d.result() != QDialog::Accepted)
            d.reject();
        return d.result();
    };
    triggerEntry(u.w(), entry);
    u.prompts.modal = nullptr;
}

template <typename W> W* child(QDialog& d, const char* name)
{
    W* w = d.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void setText(QDialog& d, const char* box, const char* text) { child<QLineEdit>(d, box)->setText(text); }
QString text(QDialog& d, const char* box) { return child<QLineEdit>(d, box)->text(); }
QString ticked(QDialog& d, const char* box) { return child<QAbstractButton>(d, box)->isChecked() ? "on" : "off"; }
void click(QDialog& d, const char* button) { child<QAbstractButton>(d, button)->click(); }

// One option dialog's settings: the values the program holds, the operator's change of each
// setting (then OK), what the dialog shows for each on opening, each setting's command (with
// its fallback) and its words in the box.
struct DialogSettings {
    const char* entry;
    const char* title;
    std::function<void(UnitConfig&)> hold;
    std::function<void(LinkedWindow&)> change;
    std::function<QStringList(LinkedWindow&)> shown;
    std::vector<QByteArrayList> commands;
    QStringList words;
};

std::vector<DialogSettings> optionDialogs()
{
    const auto shownIn = [](const char* entry, std::function<QStringList(QDialog&)> read) {
        return [entry, read](LinkedWindow& u) {
            QStringList values;
            withDialog(u, entry, [&](QDialog& d) { values = read(d); });
            return values;
        };
    };
    const auto changeIn = [](const char* entry, std::function<void(QDialog&)> change) {
        return [entry, change](LinkedWindow& u) { withDialog(u, entry, change); };
    };
    return {
        {"Max Power Level",
         "Max RF Power Level",
         [](UnitConfig& c) {
             c.MaxPowerLimitValue = "46.0";
             c.MaxPowerFaultLevel = "3.0";
             c.MaxPowerLimitEnabled = false;
         },
         changeIn("Max Power Level",
                  [](QDialog& d) {
                      setText(d, "Text1", "44");
                      setText(d, "Text2", "2.5");
                      click(d, "Check1");
                      click(d, "OKButton");
                  }),
         shownIn("Max Power Level",
                 [](QDialog& d) {
                     return QStringList{text(d, "Text1"), text(d, "Text2"), ticked(d, "Check1")};
                 }),
         {{"PO44.0"}, {"POO2.5"}, {"PO1"}},
         {"power limit 44.0 dBm", "fault level 2.5 dB", "limit enabled"}},
        {"Gain Balance",
         "Gain Balance",
         [](UnitConfig& c) {
             c.GainBalanceValue = "2.5";
             c.GainBalanceEnabled = true;
         },
         changeIn("Gain Balance",
                  [](QDialog& d) {
                      setText(d, "Text1", "1.5");
                      click(d, "Check1");
                      click(d, "btnOk");
                  }),
         shownIn("Gain Balance",
                 [](QDialog& d) {
                     return QStringList{text(d, "Text1"), ticked(d, "Check1")};
                 }),
         {{"PG1.5"}, {"PG0"}},
         {"gain balance 1.5 dB", "gain balance disabled"}},
        {"Power Save",
         "Power Save Mode",
         [](UnitConfig& c) {
             c.PowerSaveLevel = 2;
             c.PowerSaveMode = 0;
         },
         changeIn("Power Save",
                  [](QDialog& d) {
                      child<QComboBox>(d, "cmbPowerLevel")->setCurrentIndex(7);
                      click(d, "chkPowerMode");
                      click(d, "OKButton");
                  }),
         shownIn("Power Save",
                 [](QDialog& d) {
                     return QStringList{child<QComboBox>(d, "cmbPowerLevel")->currentText(), ticked(d, "chkPowerMode")};
                 }),
         {{"NP7"}, {"N1"}},
         {"power-save level 7", "power save enabled"}},
        {"Temperature Trip Levels",
         "Temperature Trip Levels",
         [](UnitConfig& c) {
             c.TempFaultLevel = "60";
             c.TempAlarmLevel = "55";
             c.LatchTempFaults = false;   // opening sends nothing
         },
         changeIn("Temperature Trip Levels",
                  [](QDialog& d) {
                      setText(d, "txtFltTripLvl", "65");
                      setText(d, "txtAlrmTripLvl", "58");
                      click(d, "btnOK");
                  }),
         shownIn("Temperature Trip Levels",
                 [](QDialog& d) {
                     return QStringList{text(d, "txtFltTripLvl"), text(d, "txtAlrmTripLvl")};
                 }),
         {{"PBKF65", ".P136 65"}, {"PBKA58", ".P179 58"}},
         {"fault trip level 65 °C", "alarm trip level 58 °C"}},
        // The latch is sent as it is clicked; the dialog then closes without OK.
        {"Temperature Trip Levels",
         "Temperature Trip Levels",
         [](UnitConfig& c) { c.LatchTempFaults = false; },
         changeIn("Temperature Trip Levels", [](QDialog& d) { click(d, "chkLatchFlts"); }),
         shownIn("Temperature Trip Levels", [](QDialog& d) { return QStringList{ticked(d, "chkLatchFlts")}; }),
         {{"PBKL1"}},
         {"temperature faults latched"}},
        // Each choice is sent at once; "Close" closes.
        {"Startup Cfg",
         "Amplifier Startup ",
         [](UnitConfig& c) { c.StartupMode = 1; },
         changeIn("Startup Cfg",
                  [](QDialog& d) {
                      click(d, "optOn");
                      click(d, "Command1");
                  }),
         shownIn("Startup Cfg",
                 [](QDialog& d) {
                     QStringList chosen;
                     for (const char* option : {"optNorm", "optOff", "optOn"})
                         if (child<QRadioButton>(d, option)->isChecked())
                             chosen << option;
                     return chosen;
                 }),
         {{"PX2"}},
         {"start-up state On"}},
        {"Return Loss",
         "Return Loss Level (dB)",
         [](UnitConfig& c) { c.ReturnLossLevel = 14.5f; },
         [](LinkedWindow& u) {
             u.prompts.inputAnswers = {"17.5"};
             triggerEntry(u.w(), "Return Loss");
         },
         [](LinkedWindow& u) {
             u.prompts.inputAnswers = {""};
             triggerEntry(u.w(), "Return Loss");
             return QStringList{u.prompts.inputs.last().text.section("Current Value: ", 1)};
         },
         {{"PS17.5"}},
         {"return loss 17.5 dB"}},
    };
}

}   // namespace

TEST(OptionEntries, EveryFieldSendsAPlainNumberWithinItsRangeAndNamesAnyOther)
{
    const FieldCase fields[] = {
        {"Max Power Level",
         "Text1",
         "Check1",
         nullptr,
         "44",
         {"PO44.0", "PO0"},
         {"44.0.", "99999999", "46.6", "11.4", ""},
         "Max RF Power Level: Max Power Level: enter a number from 11.5 to 46.5 dBm."},
        {"Max Power Level",
         "Text2",
         "Check1",
         nullptr,
         "2.5",
         {"POO2.5", "PO0"},
         {"12.34", "100", "0", ""},
         "Max RF Power Level: Fault Level: enter a number from 0.1 to 99.9 dB, at most 4 characters."},
        {"Gain Balance",
         "Text1",
         "Check1",
         nullptr,
         "1.5",
         {"PG1.5", "PG0"},
         {"12.34", "100", "..", ""},
         "Gain Balance: Gain Balance: enter a number from 0.0 to 99.9 dB, at most 4 characters."},
        {"Temperature Trip Levels",
         "txtFltTripLvl",
         "txtAlrmTripLvl",
         "58",
         "65",
         {"PBKF65", "PBKA58"},
         {"1000", "6.5", ""},
         "Temperature Trip Levels: Temperature Fault trip Level: enter a whole number from 0 to 999 °C, at most 3 "
         "characters."},
        {"Temperature Trip Levels",
         "txtAlrmTripLvl",
         "txtFltTripLvl",
         "65",
         "58",
         {"PBKF65", "PBKA58"},
         {"1000", "-5", ""},
         "Temperature Trip Levels: Temperature Alarm trip Level: enter a whole number from 0 to 999 °C, at most 3 "
         "characters."},
        {"Return Loss",
         nullptr,
         nullptr,
         nullptr,
         "17.5",
         {"PS17.5"},
         {"1000", "12345678", "-5"},
         "Return Loss Level (dB): Return Loss: enter a number from 0.0 to 999.9 dB."},
        {nullptr,
         nullptr,
         nullptr,
         nullptr,
         "14250",
         {"TF14250", "TF?"},
         {"123456", "0", "-5"},
         "RF Frequency: RF Frequency: enter a number from 1 to 99999 MHz."},
    };
    for (UnitLink link : {UnitLink::Serial, UnitLink::Tcp}) {
        SCOPED_TRACE(UnitLinkName(link));
        SimUnitProfile profile = QuickProfile(sspaProfile());
        profile.set("TF?", "TF12000");
        LinkedWindow u(link, profile);
        ASSERT_TRUE(u.ready());
        u.unit().addFeature(std::make_shared<SimUnitAcknowledgeSettings>());
        u.p().conn.RemoteMode = true;
        UnitConfig opened = u.p().unit.config;
        opened.LatchTempFaults = false;                // the temperature dialog's opening then sends nothing
        ASSERT_FLOAT_EQ(opened.BandMinPower, 10.5f);   // the range below is 11.5 to 46.5 dBm
        ASSERT_FLOAT_EQ(opened.BandMaxPower, 46.5f);
        for (const FieldCase& f : fields) {
            SCOPED_TRACE(std::string(f.entry ? f.entry : "RF Frequency") + ", " + (f.box ? f.box : "input box"));
            QStringList texts = f.refused;
            texts << "1e3"
                  << "17,5"
                  << "abc" << f.valid;
            for (const QString& text : texts) {
                SCOPED_TRACE(text.toStdString());
                u.p().unit.config = opened;
                u.clearLogs();
                enter(u, f, text);
                const bool valid = text == f.valid;
                EXPECT_EQ(u.unit().commands(), valid ? f.validSent : QByteArrayList());
                EXPECT_EQ(u.boxes(), valid ? QStringList() : QStringList{f.takes});
            }
        }
    }
}

// In watts the limit takes what "GoTo Power" takes in watts, and its box says so in watts.
TEST(OptionEntries, TheLimitInWattsTakesTheGoToPowerRangeInWatts)
{
    LinkedWindow u(UnitLink::Tcp, QuickProfile(sspaProfile()));
    ASSERT_TRUE(u.ready());
    u.unit().addFeature(std::make_shared<SimUnitAcknowledgeSettings>());
    u.p().conn.RemoteMode = true;
    u.p().display.DisplayWatts = true;
    const UnitConfig opened = u.p().unit.config;
    const FieldCase limit{"Max Power Level", "Text1", nullptr, nullptr, nullptr, {}, {}, nullptr};
    for (const char* text : {"20", "99999", "0.0001"}) {
        SCOPED_TRACE(text);
        u.p().unit.config = opened;
        u.clearLogs();
        enter(u, limit, text);
        if (QString(text) == "20") {
            EXPECT_EQ(u.unit().commands(), QByteArrayList({"PO43.0"}));
            EXPECT_TRUE(u.boxes().isEmpty());
            continue;
        }
        EXPECT_TRUE(u.unit().commands().isEmpty());
        ASSERT_EQ(u.boxes().size(), 1);
        EXPECT_TRUE(u.boxes()[0].startsWith("Max RF Power Level: Max Power Level: enter a number from "));
        EXPECT_TRUE(u.boxes()[0].endsWith(" Watts.")) << u.boxes()[0].toStdString();
    }
}

// Each setting of each option dialog refused in turn (its fallback too): one box names it in
// the operator's words, and the dialog opens again with the unit's value for it and the new
// values of the settings the unit took.
TEST(OptionEntries, ASettingTheUnitRefusesIsToldAndNeverShownAsSet)
{
    for (UnitLink link : {UnitLink::Serial, UnitLink::Tcp}) {
        SCOPED_TRACE(UnitLinkName(link));
        LinkedWindow u(link, QuickProfile(sspaProfile()));
        ASSERT_TRUE(u.ready());
        u.unit().addFeature(std::make_shared<SimUnitAcknowledgeSettings>());
        u.p().conn.RemoteMode = true;
        const UnitConfig connected = u.p().unit.config;
        for (const DialogSettings& dialog : optionDialogs()) {
            SCOPED_TRACE(dialog.entry);
            const auto run = [&](int refused) {
                u.p().unit.config = connected;
                dialog.hold(u.p().unit.config);
                u.unit().editProfile([&](SimUnitProfile& profile) {
                    for (const QByteArrayList& commands : dialog.commands)
                        for (const QByteArray& c : commands)
                            profile.behaviour.remove(c);
                    if (refused >= 0)
                        for (const QByteArray& c : dialog.commands[refused])
                            profile.behaviour[c].kind = SimBehaviour::Nak;
                });
                u.clearLogs();
                dialog.change(u);
            };
            u.p().unit.config = connected;
            dialog.hold(u.p().unit.config);
            const QStringList before = dialog.shown(u);
            run(-1);
            EXPECT_TRUE(u.boxes().isEmpty()) << u.boxes().join('\n').toStdString();
            const QStringList taken = dialog.shown(u);
            ASSERT_EQ(taken.size(), dialog.commands.size());
            for (int i = 0; i < int(dialog.commands.size()); ++i) {
                SCOPED_TRACE(dialog.words[i].toStdString());
                EXPECT_NE(taken[i], before[i]);
                run(i);
                QByteArrayList sent;
                for (int k = 0; k < int(dialog.commands.size()); ++k)
                    sent << (k == i ? dialog.commands[k] : dialog.commands[k].mid(0, 1));
                EXPECT_EQ(u.unit().commands(), sent);
                EXPECT_EQ(u.boxes(),
                          QStringList{dialog.title + QString(": The unit did not take: ") + dialog.words[i] + "."});
                QStringList expected = taken;
                expected[i] = before[i];
                u.clearLogs();
                EXPECT_EQ(dialog.shown(u), expected);
            }
        }
    }
}
