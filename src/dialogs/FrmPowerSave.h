#pragma once
#include "ui/FrmPowerSaveUi.h"
#include <QDialog>

struct CommandContext;

// The unit's power-save level 0 to 7 ("NP" + level) and mode ("N1", "N0"), sent by OK
// when changed; the stored values follow what the unit accepted, and what it did not take
// is told in a box.
class FrmPowerSave : public QDialog {
    Q_OBJECT
public:
    explicit FrmPowerSave(CommandContext& p, QWidget* parent = nullptr);

    FrmPowerSaveUi ui;

    void OKButton_Click();
    void CancelButton_Click();

private:
    void Form_Load();
    void sendChanges();

    CommandContext& p_;
};
