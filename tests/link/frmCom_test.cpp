#include "link/frmCom.h"
#include "support/TestProgram.h"
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QString okOf(TestProgram& t, int port, const QString& settings)
{
    t.p().linkDialogs.ComDialogPort = static_cast<qint16>(port);
    t.p().linkDialogs.ComDialogSettings = settings;
    frmCom dlg(t.p());
    dlg.btnOK_Click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    return t.p().linkDialogs.ComDialogSettings;
}
}   // namespace

TEST(frmCom, ShowsTheSettingsHandedInAndOkHandsThemBack)
{
    TestProgram t;
    const struct {
        QString in, out;
    } cases[] = {
        {"", "9600,N,8,1"},
        {"19200,E,7,1", "19200,E,7,1"},
        {"57600,O,8,2", "57600,O,8,2"},
        {"115200,N,8,1", "9600,N,8,1"},   // a rate the list lacks
        {"1200,e,9,3", "1200,N,8,1"},     // unknown fields fall back
        {"garbage", "9600,N,8,1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(okOf(t, 2, c.in), c.out) << c.in.toStdString();
}

TEST(frmCom, EveryCombinationOfChoicesIsHandedBack)
{
    TestProgram t;
    t.p().linkDialogs.ComDialogPort = 3;
    t.p().linkDialogs.ComDialogSettings.clear();
    frmCom dlg(t.p());
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Com3 Port Settings"));
    EXPECT_EQ(dlg.ui.cbBaud->count(), 7);
    EXPECT_EQ(dlg.ui.cbBaud->itemText(0), QStringLiteral("1200"));
    EXPECT_EQ(dlg.ui.cbBaud->itemText(6), QStringLiteral("57600"));
    dlg.show();
    dlg.ui.cbBaud->setCurrentIndex(1);
    QTest::mouseClick(dlg.ui.Option3, Qt::LeftButton);
    QTest::mouseClick(dlg.ui.Option1, Qt::LeftButton);
    QTest::mouseClick(dlg.ui.Option6, Qt::LeftButton);
    QTest::mouseClick(dlg.ui.btnOK, Qt::LeftButton);
    EXPECT_EQ(t.p().linkDialogs.ComDialogSettings, QStringLiteral("2400,O,7,2"));
}

TEST(frmCom, CancelAndClosingTheWindowHandBackNothing)
{
    TestProgram t;
    for (bool viaButton : {true, false}) {
        t.p().linkDialogs.ComDialogSettings = QStringLiteral("9600,N,8,1");
        frmCom dlg(t.p());
        if (viaButton)
            QTest::mouseClick(dlg.ui.btnCancel, Qt::LeftButton);
        else {
            dlg.show();
            dlg.close();
        }
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_EQ(t.p().linkDialogs.ComDialogSettings, QString()) << viaButton;
    }
}
