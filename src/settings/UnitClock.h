#pragma once
// The unit's clock and its device address.
#include <QString>

class HandlerDepth;
class QCheckBox;
class QLineEdit;
class QWidget;
struct CommandContext;
struct frmMainUi;

class UnitClock {
public:
    // The controls it reads and writes.
    struct Controls {
        QCheckBox* chkPS = nullptr;
        QCheckBox* chkRFI = nullptr;
        QLineEdit* txtDateTime = nullptr;
        QLineEdit* txtAdr = nullptr;
    };
    UnitClock(CommandContext& p, const frmMainUi& controls, QWidget& window, HandlerDepth& busy);
    void Command7_Click();
    void SetDateTime();
    void SetUnitAddress();
    // Checked once the move of the focus out of txtDateTime has ended.
    void txtDateTime_Validate();
    QString adrLetter;   // txtAdr's letter as the window filled it or last sent it

private:
    CommandContext& p;
    QWidget& window_;
    HandlerDepth& busy_;
    Controls ui;
};
