#pragma once
#include "ui/frmStartupUi.h"
#include <QDialog>

struct CommandContext;
class QAbstractButton;

// The transmitter state the unit takes at power-up: normal ("PX0"), off ("PX1") or on
// ("PX2"), each sent as it is chosen; the dialog stays open for another choice. A state the
// unit did not take is told in a box.
class frmStartup : public QDialog {
    Q_OBJECT
public:
    explicit frmStartup(CommandContext& p, QWidget* parent = nullptr);

    frmStartupUi ui;

    void optNorm_Click();
    void optOff_Click();
    void optOn_Click();
    void Command1_Click();

private:
    void Form_Load();
    QList<QAbstractButton*> options() const;
    // Sends the state `mode` chosen by the operator; a refusal, or local mode, selects the
    // stored state's option again.
    void choose(qint16 mode);

    CommandContext& p_;
    int shown_ = -1;   // the option that stands for the stored state; -1 none
};
