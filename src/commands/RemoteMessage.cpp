#include "commands/RemoteMessage.h"
#include "platform/Prompts.h"

void ShowNotInRemoteMsg(IPrompts& prompts)
{
    prompts.message(QStringLiteral("Not in Remote Mode"), QStringLiteral("Communication Error"),
                    PromptIcon::Exclamation, PromptButtons::Ok);
}
