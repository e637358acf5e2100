#pragma once
#include <QStringList>

class IPrompts;

// The box a setting handler shows instead of sending while the unit is in local mode.
void ShowNotInRemoteMsg(IPrompts& prompts);

// The one box after the settings of a dialog that the unit refused or did not answer, each
// named in the operator's words: "The unit did not take: power limit 58.0 dBm, limit
// enabled.", titled `title`. None when the list is empty.
void ShowNotTaken(IPrompts& prompts, const QString& title, const QStringList& notTaken);
