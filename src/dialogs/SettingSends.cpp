#include "dialogs/SettingSends.h"
#include "commands/CommandContext.h"
#include "commands/RemoteMessage.h"
#include "link/Transaction.h"
#include "platform/Prompts.h"
#include <QLineEdit>

namespace dialogsends {

bool Typed(IPrompts& prompts, QLineEdit* box, const std::optional<QString>& unchanged, const typednum::Field& field)
{
    const QString text = box->text();
    if (text == unchanged || typednum::Value(field, text))
        return true;
    prompts.message(typednum::Takes(field), box->window()->windowTitle(), PromptIcon::Exclamation);
    box->setFocus(Qt::OtherFocusReason);
    return false;
}

bool Sends::send(std::initializer_list<QString> commands, const QString& words)
{
    for (const QString& command : commands)
        if (SendUnitCommand(p_, command))
            return true;
    notTaken_ << words;
    return false;
}

void Sends::tell(const QString& title) const { ShowNotTaken(p_.platform.prompts, title, notTaken_); }

}   // namespace dialogsends
