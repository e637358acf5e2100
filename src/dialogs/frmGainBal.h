#pragma once
#include "ui/frmGainBalUi.h"
#include <QDialog>

struct CommandContext;

// The unit's gain balance: its value in dB ("PG" + value) and its enable ("PG1", "PG0"),
// sent by Ok when changed; the stored values follow what the unit accepted, and what it did
// not take is told in a box.
class frmGainBal : public QDialog {
    Q_OBJECT
public:
    explicit frmGainBal(CommandContext& p, QWidget* parent = nullptr);

    frmGainBalUi ui;

    // The value box's key filter; true discards the key.
    bool Text1_KeyPress(QChar typed);
    void btnOK_Click();
    void btnCancel_Click();

private:
    void Form_Load();

    CommandContext& p_;
    QString valueShown_;   // the unit's value as the box opened with it
};
