#include "status/EntryBoxState.h"
#include "status/PowerUnits.h"

void EntryBoxState::ClearEntryFlags()
{
    FhiTripEditing = FloTripEditing = RhiTripEditing = false;
    edits.endAll();
}

bool EntryBoxState::FillEntryBox(QLineEdit* box, const QString& text) { return edits.fill(box, text); }

bool EntryBoxState::FillPowerBox(QLineEdit* box, const QString& text, float dBm)
{
    if (edits.editing(box))
        return false;
    powerUnits_.WritePowerBox(box, text, dBm);
    return true;
}
