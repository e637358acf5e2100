#pragma once
class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

// Controls of the power-limit dialog: the limit with its unit, the fault level, the enable,
// OK and Cancel.
struct frmPwrLimitUi {
    QLineEdit* Text1 = nullptr;    // the limit, "Pwr Level:"
    QLabel* lblUnits = nullptr;    // "dBm" or "Watts"
    QLineEdit* Text2 = nullptr;    // the fault level in dB, "Fault Level:"
    QCheckBox* Check1 = nullptr;   // "Enable"
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void setupUi(QDialog* dialog);
};
