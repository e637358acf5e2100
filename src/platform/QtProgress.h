#pragma once
#include "platform/Progress.h"
#include <memory>

class QProgressBar;
class QProgressDialog;
class QWidget;

// The indicator as a small window-modal progress window with a Cancel button.
class QtProgress final : public IProgress {
public:
    explicit QtProgress(QWidget* parent = nullptr);
    ~QtProgress() override;
    void setParent(QWidget* parent) { parent_ = parent; }
    void begin(const QString& title, int maximum) override;
    void setText(const QString& text) override;
    void setValue(int value) override;
    bool cancelled() const override;
    void end() override;

private:
    QWidget* parent_;
    std::unique_ptr<QProgressDialog> dialog_;
};

// The indicator as a dialog's own bar; the dialog's Cancel button calls cancel().
class BarProgress final : public IProgress {
public:
    explicit BarProgress(QProgressBar* bar) : bar_(bar) {}
    void begin(const QString& title, int maximum) override;
    void setText(const QString&) override {}
    void setValue(int value) override;
    bool cancelled() const override { return cancelled_; }
    void end() override {}
    void cancel() { cancelled_ = true; }

private:
    QProgressBar* bar_;
    bool cancelled_ = false;
};
