#pragma once
// The power display unit (dBm or watts) of the main window's power boxes, and the drive-power box.
#include "status/PowerDisplay.h"
#include <QString>

class QLabel;
class QLineEdit;
struct CommandContext;
struct frmMainUi;

class PowerUnits {
public:
    // The controls it reads and writes.
    struct Controls {
        QLineEdit* txtFdBm = nullptr;
        QLabel* Label5 = nullptr;
        QLineEdit* txtFCnt = nullptr;
        QLabel* Label6 = nullptr;
        QLineEdit* txtRdBm = nullptr;
        QLabel* Label8 = nullptr;
        QLineEdit* txtConstLvl = nullptr;
        QLabel* Label64 = nullptr;
        QLineEdit* txtFhiLvl = nullptr;
        QLabel* Label67 = nullptr;
        QLineEdit* txtFloLvl = nullptr;
        QLabel* Label69 = nullptr;
        QLineEdit* txtRhiLvl = nullptr;
        QLabel* Label71 = nullptr;
    };
    PowerUnits(CommandContext& p, const frmMainUi& controls);
    void DisplayToWatts();
    void DisplayTodBm();
    // Writes a power box with a text in the current display unit and remembers the unrounded
    // power (dBm) behind it, so that switching the display unit converts from that power and
    // not from the rounded text.
    void WritePowerBox(QLineEdit* box, const QString& text, float dBm);
    bool CheckInputDriverPwrSupport();
    void DisplayDrivePower(bool enable);

private:
    CommandContext& p;
    Controls ui;
    void switchPowerUnits(bool toWatts);
    PowerDisplay::WrittenPowers writtenPowers_;
};
