// The block up-converter set-up dialog, opened from its main-window entry on the fake line
// and shown through the modal seam: the attenuation entry, the spin control and "Adjust
// Atten", the layout by mode, the refresh (ticks called directly) and its closing. One test
// runs it against the simulated unit over the pseudo-terminal and loopback TCP.
#include "dialogs/frmlcBucSetup.h"
#include "app/Program.h"
#include "link/Transaction.h"
#include "support/LinkedUnit.h"
#include "support/MainWindowProgram.h"
#include "support/SimUnitAcknowledge.h"
#include "support/SimUnitProfile.h"
#include "support/UnitFrames.h"
#include "ui/TextColour.h"
#include "ui/UpDown.h"
#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// The up-converter as the main window read it: variable attenuation at 10.5 dB, 25.3 dB at
// most, set point -10 dBm, installed; the unit in remote mode.
void reportBuc(Program& p, qint16 mode = 1)
{
    UnitConfig& c = p.unit.config;
    c.LcBucAtten = 10.5f;
    c.LcBucMaxAtten = 25.3f;
    c.LcBucMode = mode;
    c.LcBucSetPoint = -10.0f;
    c.LcBucInstalled = true;
    p.conn.RemoteMode = true;
}

// The main window on the fake line, connected, with the link time-out at 5.0 s and the poll
// on. The unit takes every "PBCA" setting but those in `refused`, which go unanswered.
struct BucWindow : MainWindowProgram {
    BucWindow()
    {
        replies = sspaProfile().replies;
        BeginConnection(p(), false);
        p().LinkObject.setMsgTimeout(5.0f);
        w().Timer1.start();
        serial.responder = [this, answer = serial.responder](const QByteArray& frame) {
            char address = 0;
            QByteArray command;
            if (unitframes::parseSerialRequest(frame, address, command) && command.startsWith("PBCA") &&
                !command.contains('?') && !refused.contains(command))
                replies[command] = command;
            return answer(frame);
        };
    }

    // Opens the dialog from its menu entry (or by a double click on "IF Drive High") with the
    // up-converter reported anew; `operate` plays the operator, then OK.
    void open(const std::function<void(frmlcBucSetup&)>& operate, qint16 mode = 1, bool byLabel = false)
    {
        reportBuc(p(), mode);
        prompts.modal = [&](QDialog& d) {
            auto* dialog = dynamic_cast<frmlcBucSetup*>(&d);
            if (!dialog) {
                ADD_FAILURE() << "not the up-converter dialog";
                return 0;
            }
            commands.clear();
            operate(*dialog);
            dialog->ui.btnOk->click();
            return dialog->result();
        };
        const int before = prompts.modalRuns;
        if (byLabel)
            QTest::mouseDClick(w().ui.lbllcBucDrive, Qt::LeftButton);
        else
            w().ui.mnulcBucSetup->trigger();
        EXPECT_EQ(prompts.modalRuns, before + 1);
    }
    QByteArrayList sent() const { return commands; }
    QByteArrayList refused;
};

void type(QLineEdit* box, const QString& keys)
{
    for (const QChar c : keys) {
        if (c == QLatin1Char('\r'))
            QTest::keyClick(box, Qt::Key_Return);
        else
            QTest::keyClicks(box, QString(c));
    }
}

void loseFocus(QLineEdit* box, Qt::FocusReason reason = Qt::TabFocusReason)
{
    QFocusEvent out(QEvent::FocusOut, reason);
    QApplication::sendEvent(box, &out);
}

QString items(const QByteArrayList& commands) { return QString::fromLatin1(commands.join(' ')); }

}   // namespace

TEST(frmlcBucSetup, EnterStepsTheEntryAndLeavingSendsOnlyAChange)
{
    struct Case {
        const char* typed;   // into the emptied box
        bool enter;          // Enter, else the focus leaves
        const char* refused;
        QByteArrayList sent;
        float atten;   // LcBucAtten afterwards
    };
    const Case cases[] = {
        {"20.3", true, "", {"PBCA20.0"}, 20.0f},
        {"20.8", true, "", {"PBCA20.5"}, 20.5f},
        {"2.96", true, "", {"PBCA3.0"}, 3.0f},
        {"40", true, "", {"PBCA25.0"}, 25.0f},    // the stepped maximum
        {"40", false, "", {"PBCA25.3"}, 25.3f},   // the maximum itself
        {"20.3", false, "", {"PBCA20.0"}, 20.0f},
        {"-5", true, "", {"PBCA5.0"}, 5.0f},       // "-" never reaches the box
        {"10.5", true, "", {"PBCA10.5"}, 10.5f},   // Enter sends again what the unit holds
        {"10.5", false, "", {}, 10.5f},            // leaving it unchanged sends nothing
        {"", false, "", {}, 10.5f},
        {"20.3", true, "PBCA20.0", {"PBCA20.0"}, 10.5f},   // refused: the stored value stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + (c.enter ? " Enter" : " leave"));
        BucWindow t;
        t.refused = {c.refused};
        QByteArrayList sent;
        float atten = 0;
        t.open([&](frmlcBucSetup& d) {
            d.ui.txtlcBucA->clear();
            type(d.ui.txtlcBucA, QString::fromLatin1(c.typed) + (c.enter ? "\r" : ""));
            if (!c.enter)
                loseFocus(d.ui.txtlcBucA);
            sent = t.sent();
            atten = t.p().unit.config.LcBucAtten;
        });
        EXPECT_EQ(items(sent), items(c.sent));
        EXPECT_FLOAT_EQ(atten, c.atten);
        EXPECT_TRUE(t.prompts.boxes.isEmpty());
    }

    // A message box, a menu or another window taking the focus is not the operator leaving.
    BucWindow t;
    t.open([&](frmlcBucSetup& d) {
        d.ui.txtlcBucA->setText("20");
        for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::MenuBarFocusReason})
            loseFocus(d.ui.txtlcBucA, reason);
        EXPECT_TRUE(t.sent().isEmpty()) << items(t.sent()).toStdString();
    });
}

// A text that is no plain number of at most four characters is named, and nothing is sent;
// an empty box is named at Enter and left alone when left.
TEST(frmlcBucSetup, AnAttenuationTheBoxDoesNotTakeIsNamedAndNothingIsSent)
{
    const QString takes = "Block UpConverter Setup: IF Attenuation: enter a number, at most 4 characters.";
    for (const bool enter : {true, false}) {
        for (const char* text : {"..", "1.2.", "12345", "1e3", "17,5", "abc", ""}) {
            SCOPED_TRACE(std::string(text) + (enter ? " Enter" : " leave"));
            BucWindow t;
            QByteArrayList sent;
            t.open([&](frmlcBucSetup& d) {
                d.ui.txtlcBucA->setText(text);
                if (enter)
                    type(d.ui.txtlcBucA, "\r");
                else
                    loseFocus(d.ui.txtlcBucA);
                sent = t.sent();
                EXPECT_EQ(d.ui.txtlcBucA->text(), text);
            });
            EXPECT_TRUE(sent.isEmpty()) << items(sent).toStdString();
            QStringList boxes;
            for (const FakePrompts::Box& b : t.prompts.boxes)
                boxes << b.title + ": " + b.text;
            EXPECT_EQ(boxes, enter || *text ? QStringList{takes} : QStringList());
        }
    }
}

// The attenuation the unit reported, shown to one decimal and whole however long, is no
// change: tabbing through the box sends nothing.
TEST(frmlcBucSetup, LeavingTheReportedAttenuationUntouchedSendsNothing)
{
    struct Case {
        float atten;
        const char* shown;
    };
    for (const Case& c : {Case{12.25f, "12.3"}, Case{100.5f, "100.5"}, Case{-1.0f, "-1.0"}}) {
        SCOPED_TRACE(c.shown);
        BucWindow t;
        reportBuc(t.p());
        t.p().unit.config.LcBucAtten = c.atten;
        frmlcBucSetup d(t.p(), t.p().dialogs);
        EXPECT_EQ(d.ui.txtlcBucA->text(), c.shown);
        t.commands.clear();
        loseFocus(d.ui.txtlcBucA);
        EXPECT_EQ(items(t.sent()), "");
        // An edit is a change all the same.
        d.ui.txtlcBucA->setText("12.5");
        loseFocus(d.ui.txtlcBucA);
        EXPECT_EQ(items(t.sent()), "PBCA12.5");
    }
}

TEST(frmlcBucSetup, SpinStepsStopAtTheFixedLimitsAndCountOnlyWhenTaken)
{
    BucWindow t;
    t.open([&](frmlcBucSetup& d) {
        UnitConfig& c = t.p().unit.config;
        c.LcBucAtten = 0.5f;
        d.ui.UpDown1->downButton()->click();
        d.ui.UpDown1->downButton()->click();
        EXPECT_EQ(d.ui.txtlcBucA->text(), "0.0");
        c.LcBucAtten = 31.0f;   // above the unit's 25.3 dB maximum: the spin limit is fixed
        d.ui.UpDown1->upButton()->click();
        d.ui.UpDown1->upButton()->click();
        EXPECT_EQ(items(t.sent()), "PBCA0.0 PBCA0.0 PBCA31.5 PBCA31.5");   // sent on every click
        EXPECT_FLOAT_EQ(c.LcBucAtten, 31.5f);

        t.refused = {"PBCA31.0"};
        t.commands.clear();
        d.ui.UpDown1->downButton()->click();
        EXPECT_EQ(items(t.sent()), "PBCA31.0");
        EXPECT_FLOAT_EQ(c.LcBucAtten, 31.5f);
        EXPECT_EQ(d.ui.txtlcBucA->text(), "31.5");
    });
}

TEST(frmlcBucSetup, AdjustAddsTheOverdriveAndStepsStartFromTheReadBack)
{
    BucWindow t;
    t.sequences["PBCI?"] = {"PBCI0", "PBCI2.3"};
    t.replies["PBCA?"] = "PBCA11.0";   // the unit holds less than was asked
    t.open([&](frmlcBucSetup& d) {
        QLineEdit* overdrive = d.ui.txtlcBucIdeal;
        d.Timer1_Timer();
        EXPECT_EQ(overdrive->text(), "0.0");
        EXPECT_EQ(TextColour(overdrive), qRgb(0, 0, 0));
        d.Timer1_Timer();
        EXPECT_EQ(overdrive->text(), "2.3");
        EXPECT_EQ(TextColour(overdrive), qRgb(128, 0, 0));
        t.commands.clear();
        d.ui.btnadjAtn->click();   // 10.5 + 2.3, stepped
        EXPECT_EQ(d.ui.txtlcBucA->text(), "11.0");
        d.ui.UpDown1->upButton()->click();
        EXPECT_EQ(items(t.sent()), "PBCA12.5 PBCA? PBCA11.5");

        // Refused: nothing is read back and the stored value stays.
        t.refused = {"PBCA14.0"};
        d.ui.txtlcBucA->setText("11.7");
        t.commands.clear();
        d.ui.btnadjAtn->click();
        EXPECT_EQ(items(t.sent()), "PBCA14.0");
        EXPECT_FLOAT_EQ(t.p().unit.config.LcBucAtten, 11.5f);
    });
}

TEST(frmlcBucSetup, LayoutAndRefreshFollowTheMode)
{
    struct Case {
        qint16 mode;
        bool enabled;
        const char* tick;
    };
    const Case cases[] = {
        {0, false, "1 PBCP? PBCT?"},
        {1, true, "1 PBCP? PBCI? PBCT?"},
        {2, true, "1 PBCP? PBCT?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        BucWindow t;
        t.open(
            [&](frmlcBucSetup& d) {
                EXPECT_EQ(d.windowTitle(), "Block UpConverter Setup");
                for (QWidget* control : {static_cast<QWidget*>(d.ui.txtlcBucA), static_cast<QWidget*>(d.ui.UpDown1),
                                         static_cast<QWidget*>(d.ui.btnadjAtn)})
                    EXPECT_EQ(control->isEnabled(), c.enabled) << control->objectName().toStdString();
                EXPECT_EQ(d.ui.fraIdeal->isHidden(), c.mode == 0);
                EXPECT_EQ(d.ui.txtlcBucA->text(), "10.5");   // also in the disabled box
                EXPECT_EQ(d.ui.txtlcBucS->text(), "0.5");    // attenuation + set point
                EXPECT_FALSE(d.ui.txtlcBucS->isEnabled());
                EXPECT_TRUE(d.Timer1.isActive());
                EXPECT_EQ(d.Timer1.interval(), 700);
                d.Timer1_Timer();
                EXPECT_EQ(items(t.sent()), c.tick);
                EXPECT_EQ(d.ui.txtlcBucPwr->text(), "-12.5");
                EXPECT_EQ(d.ui.txtlcBucTemp->text(), "35.5");
                EXPECT_EQ(d.ui.txtlcBucIdeal->text(), c.mode == 1 ? "-11.0" : "");
            },
            c.mode, c.mode == 0);
    }

    // Without an installed up-converter no tick sends anything.
    BucWindow t;
    t.prompts.modal = [&](QDialog& d) {
        auto& dialog = dynamic_cast<frmlcBucSetup&>(d);
        t.commands.clear();
        dialog.Timer1_Timer();
        EXPECT_TRUE(t.sent().isEmpty());
        EXPECT_TRUE(dialog.ui.txtlcBucPwr->text().isEmpty());
        return 1;
    };
    reportBuc(t.p());
    t.p().unit.config.LcBucInstalled = false;
    t.w().ui.mnulcBucSetup->trigger();
    EXPECT_EQ(t.prompts.modalRuns, 1);
}

TEST(frmlcBucSetup, ATemperatureSensorMissingIsAskedOncePerConnection)
{
    BucWindow t;
    t.replies["PBCT?"] = "PBCT-60.0";
    const auto asked = [&](int ticks) {
        int count = 0;
        t.open([&](frmlcBucSetup& d) {
            for (int i = 0; i < ticks; ++i)
                d.Timer1_Timer();
            count = int(t.sent().count("PBCT?"));
            EXPECT_TRUE(d.ui.txtlcBucTemp->text().isEmpty());
        });
        return count;
    };
    EXPECT_EQ(asked(2), 1);
    EXPECT_EQ(asked(1), 0);   // also after the dialog was opened again
    EndConnection(t.p());
    BeginConnection(t.p(), false);
    EXPECT_EQ(asked(1), 1);
}

TEST(frmlcBucSetup, AFailedProbeClosesTheDialogAndTheReadFollows)
{
    BucWindow t;
    QByteArrayList afterClose;
    t.open([&](frmlcBucSetup& d) {
        // While open: the short time-out and no poll.
        EXPECT_FLOAT_EQ(t.p().LinkObject.MsgTimeout(), 2.0f);
        EXPECT_FALSE(t.w().Timer1.isActive());
        // A probe the busy link cannot send is not a failed probe.
        t.p().txn.InFlight = true;
        d.Timer1_Timer();
        t.p().txn.InFlight = false;
        EXPECT_TRUE(t.sent().isEmpty());
        EXPECT_TRUE(d.Timer1.isActive());

        t.rawReplies["1"] = unitframes::serialReply('A', "1", unitframes::NAK);
        d.Timer1_Timer();
        EXPECT_EQ(items(t.sent()), "1");
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_FALSE(d.Timer1.isActive());
        d.Timer1_Timer();   // closed: no tick runs
        EXPECT_EQ(items(t.sent()), "1");
        t.commands.clear();
    });
    EXPECT_EQ(items(t.sent()), "PBCA? PBCN? PBCM? PBCS? PBCO?");
    EXPECT_FALSE(t.sent().contains("PBCI?"));
    EXPECT_FLOAT_EQ(t.p().LinkObject.MsgTimeout(), 5.0f);
    EXPECT_TRUE(t.w().Timer1.isActive());
}

TEST(frmlcBucSetup, InLocalModeEveryKeyAndStepShowsTheBox)
{
    BucWindow t;
    t.open([&](frmlcBucSetup& d) {
        t.p().conn.RemoteMode = false;
        type(d.ui.txtlcBucA, "-");   // dropped silently
        EXPECT_TRUE(t.prompts.boxes.isEmpty());
        type(d.ui.txtlcBucA, "5\r");
        d.ui.UpDown1->upButton()->click();
        d.ui.txtlcBucA->setText("20");
        loseFocus(d.ui.txtlcBucA);
        EXPECT_EQ(t.prompts.boxes.size(), 4);
        for (const FakePrompts::Box& b : t.prompts.boxes)
            EXPECT_EQ(b.text, "Not in Remote Mode");
        EXPECT_TRUE(t.sent().isEmpty()) << items(t.sent()).toStdString();
        EXPECT_FLOAT_EQ(t.p().unit.config.LcBucAtten, 10.5f);
    });
}

TEST(frmlcBucSetup, EveryControlIsNamedAndReachedByTab)
{
    TestProgram t;
    reportBuc(t.p());
    t.p().unit.config.LcBucInstalled = false;   // the timer runs while the window is shown
    frmlcBucSetup d(t.p(), t.p().dialogs);
    for (QLineEdit* box : d.findChildren<QLineEdit*>())
        EXPECT_FALSE(box->accessibleName().isEmpty()) << box->objectName().toStdString();
    EXPECT_EQ(d.ui.txtlcBucPwr->accessibleName(), "IF input power");
    EXPECT_EQ(d.ui.UpDown1->upButton()->accessibleName(), "IF attenuation up");
    EXPECT_EQ(d.ui.UpDown1->downButton()->accessibleName(), "IF attenuation down");

    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    d.ui.txtlcBucA->setFocus(Qt::TabFocusReason);
    QList<QWidget*> reached;
    for (int i = 0; i < 10 && !reached.contains(QApplication::focusWidget()); ++i) {
        reached << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const QList<QWidget*> expected = {
        d.ui.txtlcBucA,   d.ui.UpDown1->upButton(), d.ui.UpDown1->downButton(), d.ui.btnadjAtn,
        d.ui.txtlcBucPwr, d.ui.txtlcBucIdeal,       d.ui.txtlcBucTemp,          d.ui.btnOk};
    EXPECT_EQ(reached, expected);
    EXPECT_TRUE(t.commands.isEmpty());
}

TEST(frmlcBucSetup, AgainstTheSimulatedUnit)
{
    for (UnitLink link : {UnitLink::Serial, UnitLink::Tcp}) {
        SCOPED_TRACE(UnitLinkName(link));
        SimUnitProfile profile = sspaProfile();
        profile.behaviour["PBCP?"].delayMs = link == UnitLink::Tcp ? 150 : 0;
        FakePrompts prompts;
        UnitLinkProgram linked(link, profile, {.prompts = &prompts});
        Program& p = linked.p();
        SimUnit& unit = *linked.unit;
        unit.addFeature(std::make_shared<SimUnitAcknowledgeSettings>());
        reportBuc(p);
        frmlcBucSetup d(p, p.dialogs);
        d.Timer1.stop();   // the test runs the ticks
        type(d.ui.txtlcBucA, "\r");
        if (link == UnitLink::Tcp) {
            // Used while a reading waits for its reply: the tick does nothing, the step is
            // sent once the refresh is over.
            QTimer::singleShot(50, &d, [&d] {
                d.Timer1_Timer();
                d.ui.UpDown1->upButton()->click();
            });
        }
        d.Timer1_Timer();
        QTest::qWait(20);
        if (link == UnitLink::Serial)
            d.ui.UpDown1->upButton()->click();
        EXPECT_EQ(items(unit.commands()), "PBCA10.5 1 PBCP? PBCI? PBCT? PBCA11.0");
        EXPECT_EQ(d.ui.txtlcBucPwr->text(), "-12.5");
        EXPECT_EQ(d.ui.txtlcBucTemp->text(), "35.5");
        EXPECT_FLOAT_EQ(p.unit.config.LcBucAtten, 11.0f);
        EXPECT_EQ(d.result(), 0);   // still open
        EXPECT_TRUE(prompts.boxes.isEmpty());
    }
}
