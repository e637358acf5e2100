#pragma once
#include "ui/frmCalFactorsUi.h"
#include <QDialog>

struct CommandContext;

// The unit's cal-factor table, as the unit reports it at load: a read-only view whose rows
// can be saved to a text file, which then opens in the text editor. Sends nothing but the
// table query; a table that could not be read is reported and cannot be saved.
class frmCalFactors : public QDialog {
    Q_OBJECT
public:
    explicit frmCalFactors(CommandContext& p, QWidget* parent = nullptr);

    frmCalFactorsUi ui;

    void ClearCalFactorBoxes();
    void ShowCalFactorTable();
    void btnSaveTable_Click();
    // The save dialog: the chosen path, "" when cancelled.
    QString GetCalFactorFileName();
    void btnOK_Click();
    void btnClose_Click();

private:
    void Form_Load();

    CommandContext& p_;
    bool tableRead_ = false;   // the unit's table was read: it may be saved
};
