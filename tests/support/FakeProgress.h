#pragma once
#include "platform/Progress.h"
#include <QList>
#include <QStringList>

// Records what a transfer shows and presses Cancel on demand: once the value reaches
// cancelAtValue (or at once when it is 0), cancelled() reports true.
class FakeProgress final : public IProgress {
public:
    void begin(const QString& title, int maximum) override
    {
        ++begun;
        titles << title;
        this->maximum = maximum;
        shown = true;
        pressed = cancelAtValue == 0;
    }
    void setText(const QString& text) override { texts << text; }
    void setValue(int value) override
    {
        values << value;
        if (cancelAtValue >= 0 && value >= cancelAtValue)
            pressed = true;
    }
    bool cancelled() const override { return pressed; }
    void end() override
    {
        ++ended;
        shown = false;
    }

    int cancelAtValue = -1;   // -1: never cancel
    int begun = 0, ended = 0;
    bool shown = false;
    int maximum = -1;
    QStringList titles, texts;
    QList<int> values;

private:
    bool pressed = false;
};
