#pragma once

class IPrompts;

// The box a setting handler shows instead of sending while the unit is in local mode.
void ShowNotInRemoteMsg(IPrompts& prompts);
