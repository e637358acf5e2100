#pragma once
// The indicator of the downloads a log dialog runs: the dialog's own bar, if any, and its
// Cancel, in the program's place for as long as the dialog downloads.
#include "link/LinkContext.h"
#include "platform/QtProgress.h"

// A Cancel once pressed holds for every download that follows, so a press between two
// downloads, or while one has not begun its pages, is not lost.
class DialogProgress final : public IProgress {
public:
    explicit DialogProgress(QProgressBar* bar = nullptr) : bar_(bar) {}
    void begin(const QString& title, int maximum) override { bar_.begin(title, maximum); }
    void setText(const QString&) override {}
    void setValue(int value) override { bar_.setValue(value); }
    bool cancelled() const override { return cancelled_; }
    void end() override {}
    void cancel() { cancelled_ = true; }

private:
    BarProgress bar_;
    bool cancelled_ = false;
};

// Puts `progress` in place of the program's indicator for its lifetime.
class ProgressInPlace {
public:
    ProgressInPlace(LinkContext& link, IProgress& progress) : link_(link), saved_(link.progressInUse)
    {
        link_.progressInUse = &progress;
    }
    ~ProgressInPlace() { link_.progressInUse = saved_; }
    ProgressInPlace(const ProgressInPlace&) = delete;
    ProgressInPlace& operator=(const ProgressInPlace&) = delete;

private:
    LinkContext& link_;
    IProgress* saved_;
};
