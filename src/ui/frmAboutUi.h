#pragma once
class QDialog;
class QFrame;
class QLabel;
class QPushButton;

// Controls of the About box.
struct frmAboutUi {
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QFrame* Line1 = nullptr;   // the two lines between the text and the buttons
    QFrame* Line2 = nullptr;
    QPushButton* cmdOK = nullptr;        // "OK"
    QPushButton* cmdSysInfo = nullptr;   // "&System Info..."

    void setupUi(QDialog* dialog);
};
