#pragma once
#include <array>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

// Controls of the cal-factor table dialog: ten rows of a frequency and its cal factor, read
// only, under their two headings, and the Save, OK and Close buttons.
struct frmCalFactorsUi {
    static constexpr int Rows = 10;
    QLabel* lblFrequency = nullptr;            // "Frequency (GHz)"
    QLabel* lblCalFactor = nullptr;            // "Cal Factor (dB)"
    std::array<QLineEdit*, Rows> txtCFFrq{};   // row n is txtCFFrq[n - 1], named "txtCFFrq<n>"
    std::array<QLineEdit*, Rows> txtCFdB{};    // named "txtCFdB<n>"
    QPushButton* btnSaveTable = nullptr;       // "Save"
    QPushButton* btnOK = nullptr;              // "OK"
    QPushButton* btnClose = nullptr;           // "Close"

    void setupUi(QDialog* dialog);
};
