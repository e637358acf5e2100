#pragma once
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// Controls of the PC serial-port dialog.
struct frmComUi {
    QLabel* lblBaud = nullptr;   // "Baud Rate:"
    QComboBox* cbBaud = nullptr;
    QGroupBox* fraParity = nullptr;    // "Parity:"
    QRadioButton* Option5 = nullptr;   // N
    QRadioButton* Option4 = nullptr;   // E
    QRadioButton* Option3 = nullptr;   // O
    QGroupBox* fraData = nullptr;      // "Data:"
    QRadioButton* Option1 = nullptr;   // 7
    QRadioButton* Option2 = nullptr;   // 8
    QGroupBox* fraStop = nullptr;      // "Stop:"
    QRadioButton* Option7 = nullptr;   // 1
    QRadioButton* Option6 = nullptr;   // 2
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    void setupUi(QDialog* dialog);
};
