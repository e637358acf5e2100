#pragma once
class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QPushButton;

// Controls of the power-save dialog: the mode and the level in the frame "Status", OK and
// Cancel.
struct FrmPowerSaveUi {
    QGroupBox* Frame1 = nullptr;          // "Status"
    QCheckBox* chkPowerMode = nullptr;    // "  Enabled"
    QLabel* lblPowerLevel = nullptr;      // "Power Level:"
    QComboBox* cmbPowerLevel = nullptr;   // "0 (Min)", "1" ... "7 (Max)"
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void setupUi(QDialog* dialog);
};
