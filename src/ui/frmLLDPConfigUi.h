#pragma once
class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

// Controls of the unit's LLDP agent dialog: the user section, the factory section below it
// (scrolled out of sight until the window is enlarged), and OK, Close and Enable at the right.
struct frmLLDPConfigUi {
    QScrollArea* sections = nullptr;    // holds both groups
    QGroupBox* frmUserLLDP = nullptr;   // "User Set LLDP Parameters"
    QLineEdit* txtlldpTxTimer = nullptr;
    QLineEdit* txtlldpHoldtime = nullptr;
    QLineEdit* txtlldpReinitDelay = nullptr;
    QLineEdit* txtlldpHostname = nullptr;
    QLabel* lblHostnameRule = nullptr;   // what the host name box takes, under it
    QPushButton* btnUserDefaults = nullptr;
    QGroupBox* frmFactLLDP = nullptr;   // "Factory Set LLDP Parameters"
    QLineEdit* txtlldpMED = nullptr;
    QLineEdit* txtlldpHWRev = nullptr;
    QLineEdit* txtlldpUUID = nullptr;
    QPushButton* btnFactDefaults = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnClose = nullptr;
    QCheckBox* chkEnable = nullptr;

    void setupUi(QDialog* dialog);

    // What the host name box takes: in short under it, in full as its tooltip.
    static const char* const HostnameRule;
    static const char* const HostnameRuleInFull;
};
