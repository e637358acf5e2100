#pragma once
class QDialog;
class QPushButton;
class QRadioButton;

// Controls of the start-up state dialog: the three states as one option group, and Close.
struct frmStartupUi {
    QRadioButton* optNorm = nullptr;   // "Normal"
    QRadioButton* optOff = nullptr;    // "Off"
    QRadioButton* optOn = nullptr;     // "On"
    QPushButton* Command1 = nullptr;   // "Close"

    void setupUi(QDialog* dialog);
};
