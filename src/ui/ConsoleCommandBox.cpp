#include "ui/ConsoleCommandBox.h"
#include "platform/BusyFlag.h"
#include <QKeyEvent>

ConsoleCommandBox::ConsoleCommandBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);   // the console keeps the history itself
    setCompleter(nullptr);                  // what is typed is what is sent
    connect(this, &QComboBox::activated, this, [this] {
        if (!notAPick_)
            emit picked();
    });
}

void ConsoleCommandBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    BusyFlag browsing(notAPick_);
    QComboBox::keyPressEvent(event);
}

void ConsoleCommandBox::wheelEvent(QWheelEvent* event)
{
    BusyFlag browsing(notAPick_);
    QComboBox::wheelEvent(event);
}

void ConsoleCommandBox::focusOutEvent(QFocusEvent* event)
{
    BusyFlag leaving(notAPick_);
    QComboBox::focusOutEvent(event);
}
