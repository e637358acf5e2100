#pragma once
// Keyboard checks the option dialogs share: the controls Tab reaches in turn, Esc, and the
// accessible names of the boxes.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

// Shows `dialog` and presses Tab from `first` until the focus comes back to it: the names
// of the controls reached, in order.
inline QStringList TabChain(QDialog& dialog, QWidget* first)
{
    dialog.show();
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    first->setFocus(Qt::TabFocusReason);
    QStringList names;
    for (int i = 0; i < 20; ++i) {
        QWidget* at = QApplication::focusWidget();
        if (!at || (i > 0 && at == first))
            break;
        names << at->objectName();
        QTest::keyClick(at, Qt::Key_Tab);
    }
    return names;
}

// Esc in the shown dialog, from the control that has the focus, closes it as Cancel does.
inline bool EscCloses(QDialog& dialog)
{
    bool closed = false;
    // Disconnected before returning: a later close of the dialog must not write to `closed`.
    const QMetaObject::Connection watch = QObject::connect(&dialog, &QDialog::rejected, [&closed] { closed = true; });
    QWidget* at = QApplication::focusWidget();
    QTest::keyClick(at && at->window() == &dialog ? at : &dialog, Qt::Key_Escape);
    QObject::disconnect(watch);
    return closed && dialog.isHidden();
}

// Every entry box and list of `dialog` says what it holds.
inline void ExpectBoxesNamed(const QDialog& dialog)
{
    for (const QWidget* w : dialog.findChildren<QWidget*>())
        if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w)) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        }
}
