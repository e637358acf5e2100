#pragma once
#include "ui/frmPwrLimitUi.h"
#include <QDialog>

struct CommandContext;

// The unit's maximum RF power limit ("PO" + dBm), its fault level ("POO" + dB) and its
// enable ("PO1", "PO0"), sent by OK when changed. The limit is shown and typed in the main
// window's display unit; the stored values follow what the unit accepted.
class frmPwrLimit : public QDialog {
    Q_OBJECT
public:
    explicit frmPwrLimit(CommandContext& p, QWidget* parent = nullptr);

    frmPwrLimitUi ui;

    // The limit box's key filter; true discards the key.
    bool Text1_KeyPress(QChar typed);
    void Text1_LostFocus();
    void OKButton_Click();
    void CancelButton_Click();

private:
    void Form_Load();
    void sendLimit();
    void sendFaultLevel();
    void sendEnable();
    // The stored limit as the box shows it: in the display unit, to one decimal.
    double storedLimitShown() const;

    CommandContext& p_;
};
