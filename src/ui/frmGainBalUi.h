#pragma once
class QCheckBox;
class QDialog;
class QLineEdit;
class QPushButton;

// Controls of the gain balance dialog: its enable, its value in dB, Ok and Cancel.
struct frmGainBalUi {
    QCheckBox* Check1 = nullptr;   // "Enabled"
    QLineEdit* Text1 = nullptr;    // the value, at most 4 characters
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

    void setupUi(QDialog* dialog);
};
