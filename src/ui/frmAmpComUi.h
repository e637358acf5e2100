#pragma once
class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QPushButton;

// Controls of the unit's serial ports dialog: the RS-232 port, the RS-485 port with its
// wiring, termination and protocol, and Close.
struct frmAmpComUi {
    QGroupBox* fra232 = nullptr;   // "232 Port"
    QComboBox* cmb232Baud = nullptr;
    QComboBox* cmb232Parity = nullptr;
    QComboBox* cmb232Data = nullptr;
    QComboBox* cmb232Stop = nullptr;
    QPushButton* btnSet232 = nullptr;
    QGroupBox* fra485 = nullptr;   // "485 Port"
    QComboBox* cmb485Baud = nullptr;
    QComboBox* cmb485Parity = nullptr;
    QComboBox* cmb485Data = nullptr;
    QComboBox* cmb485Stop = nullptr;
    QComboBox* cmb485Wire = nullptr;
    QComboBox* cmb485Term = nullptr;
    QCheckBox* chkOBMIP = nullptr;   // "Use OpenBMIP"
    QPushButton* btnSet485 = nullptr;
    QPushButton* Command1 = nullptr;   // "Close"

    void setupUi(QDialog* dialog);
};
