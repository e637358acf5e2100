#pragma once
#include "ui/frmAmpComUi.h"
#include <QDialog>

struct CommandContext;
class QComboBox;

// The unit's own serial ports: shows the port settings the main window read from the unit
// and sets the RS-232 port ("X1") and the RS-485 port ("XR", then "X2"). "XR" carries the
// device address the link uses.
class frmAmpCom : public QDialog {
    Q_OBJECT
public:
    explicit frmAmpCom(CommandContext& p, QWidget* parent = nullptr);

    frmAmpComUi ui;

    void InitCom1Settings();
    void InitCom2Settings();
    void cmb232Parity_Click();
    void cmb485Parity_Click();
    void chkOBMIP_Click();
    void btnSet232_Click();
    void btnSet485_Click();
    void Command1_Click();

private:
    // The four lists of one port.
    struct PortLists {
        QComboBox* baud;
        QComboBox* parity;
        QComboBox* data;
        QComboBox* stop;
    };
    PortLists port232() const { return {ui.cmb232Baud, ui.cmb232Parity, ui.cmb232Data, ui.cmb232Stop}; }
    PortLists port485() const { return {ui.cmb485Baud, ui.cmb485Parity, ui.cmb485Data, ui.cmb485Stop}; }

    void Form_Load();
    void fillPort(const PortLists& port, qint32 baud, const QString& parity, qint16 dataBits, qint16 stopBits);
    void applyParityRule(const PortLists& port);
    // False, after telling the operator, when the unit is not in remote mode or a list of
    // `lists` has no choice.
    bool readyToSet(std::initializer_list<const QComboBox*> lists);
    static QString portCommand(const char* prefix, const PortLists& port);

    CommandContext& p_;
    bool loading_ = false;   // the load fills the lists: the OpenBMIP box changes nothing
};
