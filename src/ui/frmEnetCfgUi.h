#pragma once
#include <array>

class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Controls of the unit's network settings dialog: the MAC address, the address, mask and
// gateway as four octet boxes each, the TCP port, the address mode, OK and Cancel.
struct frmEnetCfgUi {
    QLabel* Label1 = nullptr;   // "MAC Address:"
    QLabel* lblMac = nullptr;
    QGroupBox* fraIP = nullptr;   // "IP Address"
    QLineEdit* txtIP1b = nullptr;
    QLineEdit* txtIP2b = nullptr;
    QLineEdit* txtIP3b = nullptr;
    QLineEdit* txtIP4b = nullptr;
    QGroupBox* fraNM = nullptr;   // "Net Mask"
    QLineEdit* txtNM1b = nullptr;
    QLineEdit* txtNM2b = nullptr;
    QLineEdit* txtNM3b = nullptr;
    QLineEdit* txtNM4b = nullptr;
    QGroupBox* fraGW = nullptr;   // "Gateway (router) Address"
    QLineEdit* txtGW1b = nullptr;
    QLineEdit* txtGW2b = nullptr;
    QLineEdit* txtGW3b = nullptr;
    QLineEdit* txtGW4b = nullptr;
    QGroupBox* fraPort = nullptr;   // "Port Number"
    QLineEdit* txtPort = nullptr;
    QGroupBox* fraMode = nullptr;   // "Mode"
    QRadioButton* optDhcp = nullptr;
    QRadioButton* optStaticIP = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    // The twelve octet boxes: IP, then mask, then gateway, first octet first.
    std::array<QLineEdit*, 12> octetBoxes() const;

    void setupUi(QDialog* dialog);
};
