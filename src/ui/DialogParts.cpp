#include "ui/DialogParts.h"
#include <QAbstractButton>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace dialogparts {

EntryRow AddEntryRow(QWidget* parent, QGridLayout* grid, const char* objectName, const QString& caption,
                     const QString& unit, const QString& accessible)
{
    EntryRow row{named(new QLineEdit(parent), objectName), new QLabel(caption, parent), nullptr};
    row.box->setAccessibleName(accessible);
    row.caption->setBuddy(row.box);
    const int r = grid->rowCount();
    grid->addWidget(row.caption, r, 0);
    grid->addWidget(row.box, r, 1);
    if (!unit.isEmpty()) {
        row.unit = new QLabel(unit, parent);
        grid->addWidget(row.unit, r, 2);
    }
    return row;
}

QProgressBar* DownloadBar(QWidget* parent)
{
    auto* bar = named(new QProgressBar(parent), "ProgressBar1");
    bar->setAccessibleName(QStringLiteral("Download progress"));
    QSizePolicy keepRoom = bar->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    bar->setSizePolicy(keepRoom);
    return bar;
}

void FitTitle(QWidget* dialog)
{
    const QFontMetrics metrics = dialog->fontMetrics();
    // The title bar's icon and its three buttons take about two line heights each.
    dialog->setMinimumWidth(metrics.horizontalAdvance(dialog->windowTitle()) + 8 * metrics.height());
}

void RoomForCaption(QPushButton* button)
{
    const QFontMetrics metrics = button->fontMetrics();
    const int caption = metrics.horizontalAdvance(QString(button->text()).remove(QLatin1Char('&')));
    // The frame takes a few pixels a side; a character's width beyond it keeps the caption clear.
    button->setMinimumWidth(qMax(button->minimumWidth(), caption + 2 * metrics.averageCharWidth() + 8));
}

void LayOut(QWidget* dialog, QLayout* body, std::initializer_list<QWidget*> controls,
            std::initializer_list<QAbstractButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    QWidget* previous = nullptr;
    const auto follow = [&previous](QWidget* w) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    };
    for (QWidget* w : controls)
        follow(w);
    for (QAbstractButton* b : buttons) {
        row->addWidget(b);
        follow(b);
    }
    auto* column = new QVBoxLayout(dialog);
    column->addLayout(body);
    column->addLayout(row);
    FitTitle(dialog);
}

}   // namespace dialogparts
