#pragma once
class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

// Controls of the unit locator "Locate IP".
struct frmLocateIPUi {
    QLabel* lblUnitsFound = nullptr;
    QListWidget* lstIPAdrs = nullptr;
    QLabel* lblPortNum = nullptr;
    QLineEdit* txtPortNum = nullptr;   // digits only
    QPushButton* btnSearch = nullptr;
    QPushButton* btnClose = nullptr;
    QTimer* Timer1 = nullptr;   // one shot, 500 ms after loading

    void setupUi(QDialog* dialog);
};
