#include "ui/UpDown.h"
#include <QToolButton>

UpDown::UpDown(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRaise(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(QSize(6, 6));
    }
    connect(up_, &QToolButton::clicked, this, &UpDown::UpClick);
    connect(down_, &QToolButton::clicked, this, &UpDown::DownClick);
}

void UpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void UpDown::setAccessibleNames(const QString& name)
{
    setAccessibleName(name);
    up_->setAccessibleName(name + QStringLiteral(" up"));
    down_->setAccessibleName(name + QStringLiteral(" down"));
}
