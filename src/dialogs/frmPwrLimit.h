#pragma once
#include "platform/TypedNumber.h"
#include "ui/frmPwrLimitUi.h"
#include <QDialog>
#include <optional>

struct CommandContext;
namespace dialogsends {
class Sends;
}

// The unit's maximum RF power limit ("PO" + dBm), its fault level ("POO" + dB) and its
// enable ("PO1", "PO0"), sent by OK when changed. The limit is shown and typed in the main
// window's display unit, within `limitRange` (in that unit); the stored values follow what
// the unit accepted, and what it did not take is told in a box.
class frmPwrLimit : public QDialog {
    Q_OBJECT
public:
    frmPwrLimit(CommandContext& p, typednum::Bounds limitRange, QWidget* parent = nullptr);

    frmPwrLimitUi ui;

    // The limit box's key filter; true discards the key.
    bool Text1_KeyPress(QChar typed);
    void Text1_LostFocus();
    void OKButton_Click();
    void CancelButton_Click();

private:
    void Form_Load();
    typednum::Field limitField() const;
    bool fieldsTyped();
    void sendLimit(dialogsends::Sends& sends);
    void sendFaultLevel(dialogsends::Sends& sends);
    void sendEnable(dialogsends::Sends& sends);
    // The stored limit as the box shows it: in the display unit, to one decimal.
    double storedLimitShown() const;

    CommandContext& p_;
    typednum::Bounds limitRange_;
    std::optional<QString> limitShown_;   // the unit's limit as the box opened with it; none when empty
    QString faultShown_;
};
