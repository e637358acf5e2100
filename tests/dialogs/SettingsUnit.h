#pragma once
// A program linked to the simulated unit over the pseudo-terminal or loopback TCP, in remote
// mode, with a unit that takes every setting command (or refuses them), for the option
// dialogs; the dialogs are shown through the modal seam.
#include "support/LinkedUnit.h"
#include <QDialog>
#include <QStringList>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <span>

class SettingsUnit {
public:
    explicit SettingsUnit(UnitLink link);
    ~SettingsUnit();
    Program& p() { return *program_; }
    bool ready() const { return program_ != nullptr; }

    QStringList sent() const;    // the commands the unit received since the last clear
    void clear();                // forgets those and the boxes shown
    QStringList boxes() const;   // the boxes shown, as "title: text"
    // The unit refuses (NAKs) every setting command from here on, or takes them again.
    void refuseAll(bool refuse);
    // The unit refuses these commands only.
    void refuse(const QByteArrayList& commands);

    // Shows `dialog` through the modal seam; `operate` plays the operator while it is open.
    // True when the dialog closed itself.
    template <typename D> bool show(D& dialog, const std::function<void(D&)>& operate)
    {
        return showDialog(dialog, [&](QDialog& d) { operate(static_cast<D&>(d)); });
    }

    FakePrompts prompts;

private:
    bool showDialog(QDialog& dialog, const std::function<void(QDialog&)>& operate);

    class Settings;
    std::shared_ptr<Settings> settings_;
    UnitLinkProgram linked_;
    SimUnit* unit_ = nullptr;
    Program* program_ = nullptr;
};

// Runs `step` for each case over the pseudo-terminal and loopback TCP, first with the unit
// taking every setting, then refusing them all; the unit's log and boxes are cleared before
// each step.
template <typename Case>
void ForEachCaseTakenAndRefused(std::span<const Case> cases,
                                const std::function<void(SettingsUnit&, const Case&, bool refused)>& step)
{
    for (UnitLink link : {UnitLink::Serial, UnitLink::Tcp}) {
        SettingsUnit u(link);
        ASSERT_TRUE(u.ready()) << UnitLinkName(link);
        for (const bool refused : {false, true}) {
            SCOPED_TRACE(std::string(UnitLinkName(link)) + (refused ? ", refused" : ", taken"));
            u.refuseAll(refused);
            for (const Case& c : cases) {
                u.clear();
                step(u, c, refused);
            }
        }
    }
}
