#pragma once
// The main window connected to the simulated unit over the pseudo-terminal or loopback TCP,
// after a whole first read, shown and active so that focus moves and keys reach its boxes.
// The poll timer is stopped: tests run the poll themselves.
#include "app/frmMain.h"
#include "support/FakePrompts.h"
#include "support/LinkedUnit.h"
#include "support/SimUnitControls.h"
#include "support/SimUnitLevels.h"
#include <QStringList>
#include <memory>

class QLineEdit;

struct LinkedWindow {
    LinkedWindow(UnitLink link, SimUnitProfile profile);
    ~LinkedWindow();

    Program& p() { return linked.p(); }
    SimUnit& unit() { return *linked.unit; }
    frmMain& w() { return *window; }
    bool ready() const { return ready_; }

    // The boxes shown since the last clear, as "title: text".
    QStringList boxes() const;
    // Forgets the commands the unit logged and the boxes shown.
    void clearLogs();

    // Puts the focus in a control as a click does, or moves it on to the connect button.
    void focus(QWidget* control);
    void leave();
    // Types `keys` into the box that has the focus: "\r" is Enter, "\b" Backspace.
    void type(const QString& keys);

    FakePrompts prompts;
    std::shared_ptr<SimUnitControls> controls = std::make_shared<SimUnitControls>();
    std::shared_ptr<SimUnitLevels> levels = std::make_shared<SimUnitLevels>();
    UnitLink link;
    UnitLinkProgram linked;
    std::unique_ptr<frmMain> window;

private:
    bool ready_ = false;
};

// The box of a setting the window refuses while the unit is not in remote mode.
inline const QString notRemote = QStringLiteral("Communication Error: Not in Remote Mode");
