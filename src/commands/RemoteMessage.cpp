#include "commands/RemoteMessage.h"
#include "platform/Prompts.h"

void ShowNotInRemoteMsg(IPrompts& prompts)
{
    prompts.message(QStringLiteral("Not in Remote Mode"), QStringLiteral("Communication Error"),
                    PromptIcon::Exclamation, PromptButtons::Ok);
}

void ShowNotTaken(IPrompts& prompts, const QString& title, const QStringList& notTaken)
{
    if (!notTaken.isEmpty())
        prompts.message(QStringLiteral("The unit did not take: ") + notTaken.join(QStringLiteral(", ")) +
                            QLatin1Char('.'),
                        title, PromptIcon::Exclamation);
}
