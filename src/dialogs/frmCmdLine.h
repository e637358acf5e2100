#pragma once
#include "ui/frmCmdLineUi.h"
#include <QWidget>

struct LinkContext;

// The command console: sends any text the operator types to the unit exactly as typed, once,
// refusing a character the link cannot carry, and lists the replies with their framing
// characters named. Modeless, owned by the main window; the poll goes on beside it. Closing
// it unloads it, history and replies with it.
class frmCmdLine : public QWidget {
    Q_OBJECT
public:
    explicit frmCmdLine(LinkContext& p, QWidget* owner = nullptr);
    ~frmCmdLine() override;

    frmCmdLineUi ui;

    void cmbCmd_KeyPress();   // Enter
    void cmbCmd_Click();      // a pick from the history
    void btnClose_Click();
    void SendConsoleCommand(const QString& text);
    void AddToCommandHistory(const QString& text);

private:
    void Form_Load();
    void sendNow(const QString& text);

    LinkContext& p_;
};
