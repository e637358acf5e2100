// What the option dialogs and the menus' input boxes take, through the main window linked to
// the simulated unit: each field with a valid value sends its command; an exponent, a comma,
// too many digits, a value out of range, letters or an empty required field send nothing of
// the dialog and show the box that names the field and what it takes.
#include "LinkedWindow.h"
#include "app/Program.h"
#include "support/SimUnitAcknowledge.h"
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
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

}   // namespace

TEST(OptionEntries, EveryFieldSendsAPlainNumberWithinItsRangeAndNamesAnyOther)
{
    const FieldCase fields[] = {
        {"Max Power Level", "Text1", "Check1", nullptr, "44", {"PO44.0", "PO0"}, {"44.0.", "99999999", "46.6", "11.4", ""},
         "Max RF Power Level: Max Power Level: enter a number from 11.5 to 46.5 dBm."},
        {"Max Power Level", "Text2", "Check1", nullptr, "2.5", {"POO2.5", "PO0"}, {"12.34", "100", "0", ""},
         "Max RF Power Level: Fault Level: enter a number from 0.1 to 99.9 dB, at most 4 characters."},
        {"Gain Balance", "Text1", "Check1", nullptr, "1.5", {"PG1.5", "PG0"}, {"12.34", "100", "..", ""},
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
        {"Return Loss", nullptr, nullptr, nullptr, "17.5", {"PS17.5"}, {"1000", "12345678", "-5"},
         "Return Loss Level (dB): Return Loss: enter a number from 0.0 to 999.9 dB."},
        {nullptr, nullptr, nullptr, nullptr, "14250", {"TF14250", "TF?"}, {"123456", "0", "-5"},
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
        opened.LatchTempFaults = false;   // the temperature dialog's opening then sends nothing
        ASSERT_FLOAT_EQ(opened.BandMinPower, 10.5f);   // the range below is 11.5 to 46.5 dBm
        ASSERT_FLOAT_EQ(opened.BandMaxPower, 46.5f);
        for (const FieldCase& f : fields) {
            SCOPED_TRACE(std::string(f.entry ? f.entry : "RF Frequency") + ", " + (f.box ? f.box : "input box"));
            QStringList texts = f.refused;
            texts << "1e3" << "17,5" << "abc" << f.valid;
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
