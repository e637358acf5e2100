// The cal-factor table dialog: the rows from the unit's table text, the saved file, the
// save dialog's proposal, read-only boxes, and its menu entry.
#include "LogWindow.h"
#include "link/Transaction.h"
#include "status/QStringPrint.h"
#include "support/MainWindowProgram.h"
#include "transfers/CalFactorTable.h"
#include "transfers/frmCalFactors.h"
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// The dialog's rows as "frequency|cal factor", "" for an empty row.
QStringList shownRows(const frmCalFactors& d)
{
    QStringList rows;
    for (int i = 0; i < frmCalFactorsUi::Rows; ++i) {
        const QString f = d.ui.txtCFFrq[i]->text(), c = d.ui.txtCFdB[i]->text();
        rows << (f.isEmpty() && c.isEmpty() ? QString() : f + "|" + c);
    }
    return rows;
}

QStringList rows(std::initializer_list<const char*> filled)
{
    QStringList out(frmCalFactorsUi::Rows);
    int i = 0;
    for (const char* r : filled)
        out[i++] = r;
    return out;
}

struct CalFactorUnit : TestProgram {
    explicit CalFactorUnit(const QByteArray& table)
    {
        replies["QS?"] = "QS" + table;
        p().unit.id.UnitSerialNo = "12345";
    }
};
}   // namespace

TEST(frmCalFactors, RowsFromTheUnitsTable)
{
    QByteArray twelve;
    for (int k = 1; k <= 12; ++k)
        twelve += QByteArray::number(k) + ".00," + QByteArray::number(k) + ";";
    const struct {
        const char* name;
        QByteArray table;   // the reply's text after the echo
        QStringList shown;
    } cases[] = {
        {"two pairs", "1.50,0.2;2.50,0.4;", rows({"1.50|0.2", "2.50|0.4"})},
        {"no final \";\"", "1.50,0.2", rows({})},
        {"a bad third piece", "1.0,0.1;2.0,0.2;3.0;4.0,0.4;", rows({"1.0|0.1", "2.0|0.2", "", "4.0|0.4"})},
        {"three parts", "1.0,0.1,9;2.0,0.2;", rows({"", "2.0|0.2"})},
        {"blanks around the parts", " 1.50 , -0.2 ;", rows({"1.50|-0.2"})},
        {"twelve pairs", twelve,
         rows({"1.00|1", "2.00|2", "3.00|3", "4.00|4", "5.00|5", "6.00|6", "7.00|7", "8.00|8", "9.00|9", "10.00|10"})},
        {"the query's text for a reply without ETX", "", rows({"0.0|0.0"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CalFactorUnit t(c.table);
        if (c.table.isEmpty())
            t.rawReplies["QS?"] = QByteArray("\x06"
                                             "AQS}") +
                                  char(0x06 ^ 'A' ^ 'Q' ^ 'S' ^ '}');
        frmCalFactors d(t.p());
        EXPECT_EQ(shownRows(d), c.shown);
        EXPECT_EQ(t.commands, QByteArrayList{"QS?"});
    }
    // An unanswered query leaves every row empty, says so and offers no save.
    TestProgram silent;
    const frmCalFactors unread(silent.p());
    EXPECT_EQ(shownRows(unread), rows({}));
    EXPECT_FALSE(unread.ui.btnSaveTable->isEnabled());
    ASSERT_EQ(silent.prompts.boxes.size(), 1);
    EXPECT_EQ(silent.prompts.boxes[0].text, "The cal-factor table could not be read from the unit.");
}

TEST(frmCalFactors, SaveWritesTheTenRowsAndOpensTheFile)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    CalFactorUnit t("1.50,0.2;2.50,0.4;");
    frmCalFactors d(t.p());
    EXPECT_EQ(d.windowTitle(), "Cal Factors");
    const QString path = t.tmp.filePath("CalFac12345.txt");
    t.prompts.fileAnswers << path;
    d.ui.btnSaveTable->click();
    EXPECT_EQ(ReadBytes(path), GoldenBytes("calfactor.txt"));
    EXPECT_EQ(t.prompts.fileProposed, QStringList{"CalFac12345.txt"});
    EXPECT_EQ(t.prompts.fileFolders, QStringList{t.folders.dataFolder()});
    EXPECT_EQ(t.prompts.fileFilters, QStringList{"Text Files (*.txt)|*.txt|All Files (*.*)|*.*"});
    EXPECT_EQ(t.shell.opened, QStringList{path});
    EXPECT_EQ(t.commands, QByteArrayList{"QS?"});   // the table is never sent back
    QLocale::setDefault(QLocale::system());

    // Cancel writes nothing and opens nothing.
    t.shell.opened.clear();
    QFile::remove(path);
    d.ui.btnSaveTable->click();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(t.shell.opened.isEmpty());
    // A file that cannot be made: nothing, no message.
    t.prompts.fileAnswers << t.tmp.filePath("missing/CalFac12345.txt");
    d.ui.btnSaveTable->click();
    EXPECT_TRUE(t.shell.opened.isEmpty());
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
}

// A value holding a line end stays on its row's line: the file keeps its ten lines.
TEST(frmCalFactors, AValueHoldingLineEndsStaysOnItsLine)
{
    CalFactorUnit t("1.50,0.2\n9;2.50\r\n,0.4;");
    frmCalFactors d(t.p());
    const QString path = t.tmp.filePath("CalFac12345.txt");
    t.prompts.fileAnswers << path;
    d.ui.btnSaveTable->click();
    const QByteArrayList lines = LogBodyLines(ReadBytes(path));
    ASSERT_EQ(lines.size(), frmCalFactorsUi::Rows);
    EXPECT_EQ(lines[0], "1.50   0.2 9");
    EXPECT_EQ(lines[1], "2.50     0.4");
}

TEST(frmCalFactors, BoxesTakeNoTypingOrPaste)
{
    CalFactorUnit t("1.50,0.2;");
    frmCalFactors d(t.p());
    QApplication::clipboard()->setText("99");
    if (QApplication::clipboard()->supportsSelection())
        QApplication::clipboard()->setText("99", QClipboard::Selection);
    for (int i = 0; i < frmCalFactorsUi::Rows; ++i) {
        for (QLineEdit* box : {d.ui.txtCFFrq[i], d.ui.txtCFdB[i]}) {
            const QString before = box->text();
            QTest::keyClicks(box, "7.5");
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QTest::mouseClick(box, Qt::MiddleButton);   // the selection's paste where there is one
            QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
            EXPECT_EQ(box->text(), before) << box->objectName().toStdString();
        }
        EXPECT_EQ(d.ui.txtCFFrq[i]->objectName(), QString("txtCFFrq%1").arg(i + 1));
        EXPECT_EQ(d.ui.txtCFFrq[i]->accessibleName(), QString("Frequency %1").arg(i + 1));
        EXPECT_EQ(d.ui.txtCFdB[i]->objectName(), QString("txtCFdB%1").arg(i + 1));
        EXPECT_EQ(d.ui.txtCFdB[i]->accessibleName(), QString("Cal factor %1").arg(i + 1));
    }
}

TEST(frmCalFactors, TheMenuEntryOpensItWithThePollOffAndLeavesThePollOn)
{
    for (const bool ok : {true, false}) {
        MainWindowProgram t;
        t.replies["QS?"] = "QS1.50,0.2;";
        BeginConnection(t.p(), false);
        ASSERT_FALSE(t.w().Timer1.isActive());
        bool shown = false;
        t.prompts.modal = [&](QDialog& dialog) {
            auto* d = qobject_cast<frmCalFactors*>(&dialog);
            EXPECT_NE(d, nullptr);
            if (!d)
                return 0;
            shown = true;
            EXPECT_FALSE(t.w().Timer1.isActive());
            EXPECT_EQ(shownRows(*d), rows({"1.50|0.2"}));
            QSignalSpy finished(d, &QDialog::finished);
            (ok ? d->ui.btnOK : d->ui.btnClose)->click();
            EXPECT_EQ(finished.size(), 1);
            return d->result();
        };
        t.w().ui.mnuCalFactor->trigger();
        EXPECT_TRUE(shown);
        EXPECT_TRUE(t.w().Timer1.isActive());
    }
}

namespace {
class CalFactorsOverLink : public ::testing::TestWithParam<UnitLink> {};
}   // namespace

// A table that could not be read ("QS?" refused, or the link cut instead of its answer) is
// reported and cannot be saved; a table that was read can.
TEST_P(CalFactorsOverLink, AReadThatFailedIsReportedAndNothingOffersToSaveIt)
{
    const struct {
        const char* name;
        SimBehaviour::Kind how;
        bool read;
    } cases[] = {
        {"refused", SimBehaviour::Nak, false},
        {"link cut", SimBehaviour::DropConnection, false},
        {"answered", SimBehaviour::Answer, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LogWindow t(GetParam(), twtaProfile());
        ASSERT_TRUE(t.connect());
        ASSERT_TRUE(t.w().ui.mnuCalFactor->isVisible());
        t.unit.editProfile([&](SimUnitProfile& profile) { profile.behaviour["QS?"].kind = c.how; });
        const QString path = t.dataFile("CalFac" + t.p().unit.id.UnitSerialNo + ".txt");
        QStringList rowsShown;
        bool saveOffered = true;
        t.prompts.modal = [&](QDialog& dialog) {
            auto* d = qobject_cast<frmCalFactors*>(&dialog);
            if (!d)
                return 0;
            rowsShown = shownRows(*d);
            saveOffered = d->ui.btnSaveTable->isEnabled();
            t.prompts.fileAnswers << path;
            d->btnSaveTable_Click();
            d->ui.btnOK->click();
            return d->result();
        };
        t.w().ui.mnuCalFactor->trigger();
        t.prompts.modal = nullptr;
        EXPECT_EQ(t.unit.commands().value(0), "QS?");
        EXPECT_EQ(saveOffered, c.read);
        if (c.read) {
            EXPECT_TRUE(t.boxes().isEmpty());
            EXPECT_EQ(rowsShown, rows({"5850|0.0", "6425|0.3"}));
            EXPECT_NE(ReadBytes(path), "<missing>");
        } else {
            ASSERT_FALSE(t.prompts.boxes.isEmpty());
            EXPECT_EQ(t.boxes().first(), "Cal Factors: The cal-factor table could not be read from the unit.");
            EXPECT_EQ(t.prompts.boxes.first().icon, PromptIcon::Exclamation);
            EXPECT_EQ(rowsShown, rows({}));
            EXPECT_EQ(ReadBytes(path), "<missing>");
            EXPECT_TRUE(t.shell.opened.isEmpty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Links, CalFactorsOverLink, ::testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const auto& info) { return UnitLinkName(info.param); });
