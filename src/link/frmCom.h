#pragma once
#include "ui/frmComUi.h"
#include <QDialog>

struct LinkContext;

// The PC serial-port dialog: line settings for the port in LinkContext::linkDialogs.ComDialogPort,
// handed in and back in linkDialogs.ComDialogSettings ("" after Cancel).
class frmCom : public QDialog {
    Q_OBJECT
public:
    explicit frmCom(LinkContext& p, QWidget* parent = nullptr);

    frmComUi ui;

    void btnOK_Click();
    void btnCancel_Click();
    void SelectBaud(const QString& baud);
    void SelectParity(const QString& parity);
    void SelectDataBits(const QString& dataBits);
    void SelectStopBits(const QString& stopBits);

    // Closing the window (or Escape) counts as Cancel, so it never switches the port.
    void reject() override;

private:
    void Form_Load();

    LinkContext& p_;
};
