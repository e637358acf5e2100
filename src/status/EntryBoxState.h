#pragma once
// What the main window knows of the operator's work in its entry boxes: the trip rows being
// edited and the edits under way. The poll, the read-backs and the first
// read write the boxes through it, so that a box the operator is typing in keeps its text.
#include "ui/EntryEdits.h"
#include <QString>

class PowerUnits;
class QLineEdit;

class EntryBoxState {
public:
    explicit EntryBoxState(PowerUnits& powerUnits) : powerUnits_(powerUnits) {}

    // Set while the operator edits an RF trip's type or level: InitRFTripLevels leaves it. A
    // refusal or Esc ends it with the focus still in the row.
    bool FhiTripEditing = false;
    bool FloTripEditing = false;
    bool RhiTripEditing = false;
    EntryEdits edits;   // the operator's edits of the entry boxes

    // Clears the trip rows' editing flags and ends the operator's edits (no box can hold the
    // focus of a disabled window).
    void ClearEntryFlags();
    // Writes an entry box with what the unit reports, unless the operator is editing the box:
    // the typed text stays until the edit ends (Enter, leaving the box, Esc, a refusal). True
    // when written.
    bool FillEntryBox(QLineEdit* box, const QString& text);
    bool FillPowerBox(QLineEdit* box, const QString& text, float dBm);

private:
    PowerUnits& powerUnits_;
};
