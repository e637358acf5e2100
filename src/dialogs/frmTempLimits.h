#pragma once
#include "ui/frmTempLimitsUi.h"
#include <QDialog>

struct CommandContext;
class QLineEdit;
namespace dialogsends {
class Sends;
}

// The unit's temperature fault and alarm trip levels in °C and whether temperature faults
// latch. A level is sent by Enter in its box or by OK when changed; the latch as it is
// clicked. The stored values follow what the unit accepted, and what it did not take is
// told in a box.
class frmTempLimits : public QDialog {
    Q_OBJECT
public:
    explicit frmTempLimits(CommandContext& p, QWidget* parent = nullptr);

    frmTempLimitsUi ui;

    // The level boxes' key filters; true discards the key.
    bool txtFltTripLvl_KeyPress(QChar typed);
    bool txtAlrmTripLvl_KeyPress(QChar typed);
    void chkLatchFlts_Click();
    void btnOK_Click();
    void btnClose_Click();

private:
    enum class Trip { Fault, Alarm };
    void Form_Load();
    bool tripLevelKey(QChar typed, Trip trip);
    QLineEdit* levelBox(Trip trip) const;
    // The level box holds what the unit showed or a level the dialog takes; else a box says so.
    bool levelTyped(Trip trip);
    // Enter in a level box: that level alone, told when the unit does not take it.
    void levelEntered(Trip trip);
    void sendLevel(dialogsends::Sends& sends, Trip trip);

    CommandContext& p_;
    QString faultShown_, alarmShown_;   // the unit's levels as the boxes opened with them
    bool loaded_ = false;               // the load's own latch setting tells no refusal
    bool restoringLatch_ = false;       // the latch box goes back to the stored state: nothing is sent
};
