#include "ui/ConsoleCommandBox.h"
#include "platform/BusyFlag.h"
#include <QKeyEvent>

ConsoleCommandBox::ConsoleCommandBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);   // the console keeps the history itself
    connect(this, &QComboBox::activated, this, [this] {
        if (!browsing_)
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
    BusyFlag browsing(browsing_);
    QComboBox::keyPressEvent(event);
}

void ConsoleCommandBox::wheelEvent(QWheelEvent* event)
{
    BusyFlag browsing(browsing_);
    QComboBox::wheelEvent(event);
}
