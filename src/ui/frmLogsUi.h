#pragma once
#include <array>

class QCheckBox;
class QDialog;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;

// Controls of the log selection dialog: a box per log, "Select All", where the logs are
// opened, the downloads' bar, OK and Cancel.
struct frmLogsUi {
    QLabel* Label1 = nullptr;   // "Select Files to Download:"
    QCheckBox* chk10min = nullptr;
    QCheckBox* chkHourly = nullptr;
    QCheckBox* chkDaily = nullptr;
    QCheckBox* chkMonthly = nullptr;
    QCheckBox* chkCathMon = nullptr;   // shown for a unit with cathode-current monitoring
    QCheckBox* chkFault = nullptr;
    QCheckBox* chkAll = nullptr;   // "Select All"
    QRadioButton* optExcel = nullptr;
    QRadioButton* optNotepad = nullptr;
    QProgressBar* ProgressBar1 = nullptr;   // the downloads done, hidden until OK
    QPushButton* Command1 = nullptr;        // "OK"
    QPushButton* Command2 = nullptr;        // "Cancel"

    // The six log boxes in the order of their downloads.
    std::array<QCheckBox*, 6> logBoxes() const
    {
        return {chk10min, chkHourly, chkDaily, chkMonthly, chkCathMon, chkFault};
    }

    void setupUi(QDialog* dialog);
};
