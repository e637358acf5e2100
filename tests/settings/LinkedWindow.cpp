#include "LinkedWindow.h"
#include "link/Transaction.h"
#include "status/WindowStates.h"
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

LinkedWindow::LinkedWindow(UnitLink l, SimUnitProfile profile) : link(l), linked(l, profile, {.prompts = &prompts})
{
    if (!linked.ready())
        return;
    unit().addFeature(controls);   // first: it watches the constant-power level the next one answers
    unit().addFeature(levels);
    if (linked.serial)
        linked.serial->store.setText("Settings", "CurrentPort", "3");   // the port that leads to the unit
    window = std::make_unique<frmMain>(p());
    w().Form_Load();
    w().show();
    w().activateWindow();
    ready_ = QTest::qWaitForWindowActive(&w());
    EXPECT_TRUE(ready_) << "the window did not become active";
    BeginConnection(p(), link == UnitLink::Tcp);
    w().FirstTimeRead();
    EXPECT_TRUE(p().conn.FirstReadDone) << "the first read did not run through";
    w().states().ShowConnectedWindow();
    w().Timer1.stop();
    EXPECT_TRUE(prompts.boxes.isEmpty()) << "the first read showed a box";
    clearLogs();
}

LinkedWindow::~LinkedWindow() { window.reset(); }

QStringList LinkedWindow::boxes() const
{
    QStringList out;
    for (const FakePrompts::Box& b : prompts.boxes)
        out << b.title + ": " + b.text;
    return out;
}

void LinkedWindow::clearLogs()
{
    unit().clearCommands();
    prompts.boxes.clear();
}

void LinkedWindow::focus(QWidget* control)
{
    control->setFocus(Qt::MouseFocusReason);   // as a click: the cursor goes to the end, no text is selected
    EXPECT_TRUE(control->hasFocus()) << control->objectName().toStdString();
}

void LinkedWindow::leave() { focus(w().ui.btnConnect); }

void LinkedWindow::type(const QString& keys)
{
    QWidget* box = QApplication::focusWidget();
    ASSERT_NE(box, nullptr);
    for (const QChar c : keys) {
        if (c == QLatin1Char('\r'))
            QTest::keyClick(box, Qt::Key_Return);
        else if (c == QLatin1Char('\b'))
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            QTest::keyClicks(box, QString(c));
    }
}
