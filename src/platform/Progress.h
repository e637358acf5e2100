#pragma once
#include <QString>

// A progress indicator with Cancel for a long transfer: a bar in a small modal window, or
// a dialog's own bar. While it is shown the operator can start nothing else in the window
// behind it; pending events still run after each page so that it repaints.
class IProgress {
public:
    virtual ~IProgress() = default;
    // Shows the indicator with an empty bar; any earlier Cancel is forgotten.
    virtual void begin(const QString& title, int maximum) = 0;
    virtual void setText(const QString& text) = 0;
    virtual void setValue(int value) = 0;
    // The operator pressed Cancel since begin().
    virtual bool cancelled() const = 0;
    virtual void end() = 0;
};

// Shows the indicator for its lifetime, so it is closed on every way out.
class ProgressScope {
public:
    ProgressScope(IProgress& progress, const QString& title, int maximum) : progress_(progress)
    {
        progress_.begin(title, maximum);
    }
    ~ProgressScope() { progress_.end(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void setText(const QString& text) const { progress_.setText(text); }
    void setValue(int value) const { progress_.setValue(value); }
    bool cancelled() const { return progress_.cancelled(); }

private:
    IProgress& progress_;
};
