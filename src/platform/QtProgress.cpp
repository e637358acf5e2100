#include "platform/QtProgress.h"
#include <QProgressBar>
#include <QProgressDialog>

QtProgress::QtProgress(QWidget* parent) : parent_(parent) {}
QtProgress::~QtProgress() = default;

void QtProgress::begin(const QString& title, int maximum)
{
    dialog_ = std::make_unique<QProgressDialog>(parent_);
    dialog_->setWindowTitle(title);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setMinimumDuration(0);
    dialog_->setRange(0, qMax(0, maximum));
    dialog_->setValue(0);
    dialog_->show();
}

void QtProgress::setText(const QString& text)
{
    if (dialog_)
        dialog_->setLabelText(text);
}

void QtProgress::setValue(int value)
{
    if (dialog_)
        dialog_->setValue(qBound(dialog_->minimum(), value, dialog_->maximum()));
}

bool QtProgress::cancelled() const { return dialog_ && dialog_->wasCanceled(); }

void QtProgress::end() { dialog_.reset(); }

void BarProgress::begin(const QString&, int maximum)
{
    cancelled_ = false;
    if (!bar_)
        return;
    bar_->setRange(0, qMax(0, maximum));
    bar_->setValue(0);
}

void BarProgress::setValue(int value)
{
    if (bar_)
        bar_->setValue(qBound(bar_->minimum(), value, bar_->maximum()));
}
