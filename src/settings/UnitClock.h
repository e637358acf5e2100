#pragma once
// The unit's clock and its device address.
#include "settings/ControlCommands.h"
#include <QString>

class ConnectionWatch;
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
    // Sets the unit's clock to the time in txtDateTime, then resets the unit where that is
    // done; false when nothing was sent or the unit did not take the time (which a box tells).
    bool SetDateTime();
    // Asks the unit to move to the letter in txtAdr; the link follows only where the unit is.
    // The box then shows the letter the link uses.
    void SetUnitAddress();
    // Writes the letter the link addresses the unit at into txtAdr, while a connection is up.
    void ShowLinkAddress();
    // Checked once the move of the focus out of txtDateTime has ended.
    void txtDateTime_Validate();
    QString adrLetter;   // txtAdr's letter as the window last wrote it: the first read's or the link's

private:
    CommandContext& p;
    QWidget& window_;
    HandlerDepth& busy_;
    Controls ui;

    void resetUnit(const ConnectionWatch& connection);
    void moveAddress(QChar letter);
    controls::SettingAnswer sendSetting(const QString& command);
    QChar linkAddress() const;
};
