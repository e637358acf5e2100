#pragma once
class QCheckBox;
class QDialog;
class QLineEdit;
class QPushButton;

// Controls of the temperature trip levels dialog: the fault and alarm levels in °C, the
// latch check box, OK and Close.
struct frmTempLimitsUi {
    QLineEdit* txtFltTripLvl = nullptr;   // at most 3 characters
    QLineEdit* txtAlrmTripLvl = nullptr;
    QCheckBox* chkLatchFlts = nullptr;   // "Latch Temperature Faults:"
    QPushButton* btnOK = nullptr;
    QPushButton* btnClose = nullptr;

    void setupUi(QDialog* dialog);
};
