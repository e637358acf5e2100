#pragma once
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class UpDown;

// Controls of the block up-converter set-up dialog: the IF attenuation entry with its spin
// control and "Adjust Atten", the up-converter's live readings and the optimal IF input
// power, each in its own captioned frame with its unit, and OK.
struct frmlcBucSetupUi {
    QGroupBox* fraAtten = nullptr;   // "IF Attenuation"
    QLineEdit* txtlcBucA = nullptr;
    UpDown* UpDown1 = nullptr;
    QPushButton* btnadjAtn = nullptr;   // "Adjust Atten"
    QGroupBox* fraPwr = nullptr;        // "IF Input Power"
    QLineEdit* txtlcBucPwr = nullptr;
    QGroupBox* fraIdeal = nullptr;   // "IF Overdrive Level"
    QLineEdit* txtlcBucIdeal = nullptr;
    QGroupBox* fraTemp = nullptr;   // "BUC Temperature"
    QLineEdit* txtlcBucTemp = nullptr;
    QGroupBox* fraOptimal = nullptr;   // "Optimal IF Input Power"
    QLineEdit* txtlcBucS = nullptr;
    QPushButton* btnOk = nullptr;   // "OK"

    void setupUi(QDialog* dialog);
};
