#include "dialogs/frmCmdLine.h"
#include "dialogs/ConsoleCommand.h"
#include "dialogs/ConsoleReply.h"
#include "link/DeferredActions.h"
#include "link/LinkContext.h"
#include "link/Transaction.h"
#include "platform/Prompts.h"
#include "ui/ConsoleCommandBox.h"
#include <QAccessibleWidget>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

namespace {

// The console is a window of its own beside the main window: assistive technology is told so,
// where a plain widget would be reported as a mere filler.
QAccessibleInterface* consoleInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("frmCmdLine") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}   // namespace

frmCmdLine::frmCmdLine(LinkContext& p, QWidget* owner) : QWidget(owner, Qt::Window), p_(p)
{
    static const bool reported = (QAccessible::installFactory(consoleInterface), true);
    (void)reported;
    setAttribute(Qt::WA_DeleteOnClose);
    ui.setupUi(this);
    connect(ui.cmbCmd, &ConsoleCommandBox::enterPressed, this, &frmCmdLine::cmbCmd_KeyPress);
    connect(ui.cmbCmd, &ConsoleCommandBox::picked, this, &frmCmdLine::cmbCmd_Click);
    connect(ui.btnClose, &QPushButton::clicked, this, &frmCmdLine::btnClose_Click);
    Form_Load();
}

// The command box loses the focus while the window is taken down, when its own filter of
// what counts as a pick is already gone: nothing may reach this half-destroyed window, let
// alone the unit.
frmCmdLine::~frmCmdLine() { disconnect(ui.cmbCmd, nullptr, this, nullptr); }

void frmCmdLine::Form_Load() { ui.List1->clear(); }

void frmCmdLine::cmbCmd_KeyPress() { SendConsoleCommand(ui.cmbCmd->currentText()); }

void frmCmdLine::cmbCmd_Click()
{
    if (!ui.cmbCmd->currentText().isEmpty())
        SendConsoleCommand(ui.cmbCmd->currentText());
}

void frmCmdLine::btnClose_Click() { close(); }

void frmCmdLine::SendConsoleCommand(const QString& text)
{
    if (text.isEmpty())
        return;
    if (const auto refusal = UnsendableCommandText(text)) {
        p_.platform.prompts.message(*refusal, QStringLiteral("Commandline"), PromptIcon::Exclamation);
        return;
    }
    AddToCommandHistory(text);
    // A command entered while another one waits for its reply goes out once that one has
    // ended, so it is neither refused nor mixed up with the other's reply.
    QPointer<frmCmdLine> self(this);
    RunWhenLinkFree(p_, [self, text] {
        if (self)
            self->sendNow(text);
    });
}

void frmCmdLine::sendNow(const QString& text)
{
    // The wait for the reply lets events run: the window may be closed meanwhile.
    const QPointer<frmCmdLine> self(this);
    if (!SendUnitCommand(p_, text, false) || !self)
        return;   // a failed transaction shows nothing
    for (const QString& item : SplitConsoleLine(FormatConsoleReply(UnitReply(p_))))
        ui.List1->addItem(item);
    ui.List1->scrollToBottom();
}

void frmCmdLine::AddToCommandHistory(const QString& text)
{
    if (ui.cmbCmd->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0)
        return;
    // The edit field keeps what was typed while the list changes under it.
    const QString typed = ui.cmbCmd->currentText();
    ui.cmbCmd->insertItem(0, text);
    ui.cmbCmd->setCurrentIndex(-1);
    ui.cmbCmd->setEditText(typed);
}
