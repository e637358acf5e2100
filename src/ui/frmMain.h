#pragma once
// The main window. Its controls are built in ui/frmMainUi.cpp; its procedures are
// declared here by area and defined in the folder of the subsystem they belong to.
#include "status/PowerDisplay.h"
#include "ui/frmMainUi.h"
#include <QMainWindow>
#include <QTimer>

struct Program;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(Program& program, QWidget* parent = nullptr);
    ~frmMain() override;

    frmMainUi ui;
    QTimer Timer1;   // the poll timer: 2500 ms, started once a unit is connected

    // ===== link: connect, search, start-up, TCP (link/frmMain_*.cpp) =====

    // ===== status: first read, poll, panels, layout, readings, window states (status/frmMain_*.cpp) =====

    // Window states (status/frmMain_windowStates.cpp)
    void ClearForm();
    void DisableForm();
    void EnableForm();

    // Poll loop (status/frmMain_poll.cpp)
    void Timer1_Timer();

    // Power display units and the drive-power box (status/frmMain_powerUnits.cpp)
    void DisplayToWatts();
    void DisplayTodBm();
    bool CheckInputDriverPwrSupport();
    void DisplayDrivePower(bool enable);
    // Writes a power box and remembers the unrounded power (dBm) behind its text, so that
    // switching the display unit converts from that power and not from the rounded text.
    void WritePowerBox(QLineEdit* box, const QString& text, float dBm);

    // ===== settings: setters, menus, bands (settings/frmMain_*.cpp) =====

    // ===== dialogs: the main window's share of the unit setup dialogs (dialogs/frmMain_*.cpp) =====

    // Network settings (dialogs/frmMain_enetParams.cpp): the unit's addresses into octets.
    void ParseEnetparams();

private:
    Program& p;

    // status: power display units
    void switchPowerUnits(bool toWatts);
    PowerDisplay::WrittenPowers writtenPowers_;
};
