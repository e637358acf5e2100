#pragma once
#include "ui/frmEnetCfgUi.h"
#include <QDialog>
#include <array>
#include <functional>

struct CommandContext;
struct DialogsState;

// A setting of the network dialog was sent on the connection that is up now.
bool EnetSettingsSent(const CommandContext& p, const DialogsState& dialogs);

// The unit's own network settings: shows the address mode, the address, mask and gateway
// octets, the TCP port and the MAC address the main window read, and on "OK" sends only
// what the operator changed, then has the unit apply it ("PES") or offers a reset ("~").
// The boxes edit the dialog's own copies: Cancel leaves every program-wide value as it was.
// The TCP target follows the unit to its new address and port over the serial line at once,
// over TCP only when the operator has the unit reset; `targetChanged` runs after.
class frmEnetCfg : public QDialog {
    Q_OBJECT
public:
    frmEnetCfg(CommandContext& p, DialogsState& dialogs, std::function<void()> targetChanged = {},
               QWidget* parent = nullptr);

    frmEnetCfgUi ui;

    // True, after telling the operator, when an octet is above 255 / a port outside 1 to 65535.
    bool IsRangeError(qint64 value);
    bool IsPortRangeError(qint64 value);
    void SendData();
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void modeChosen(bool dhcp);
    bool octetKey(int index, const QString& text);
    void boxLeft(QLineEdit* box);
    bool rangeError(QLineEdit* box);
    bool sentOctetError(QLineEdit* box);
    bool groupChanged(int group) const;
    QString groupText(int group) const;
    bool send(const QString& command, bool& ok);
    bool applySettings();
    void followUnit(const QString& host, qint32 port);

    CommandContext& p_;
    DialogsState& dialogs_;
    std::function<void()> targetChanged_;
    std::array<bool, 12> octetEdited_{};
    bool modeEdited_ = false;
    bool portEdited_ = false;
};
