#pragma once
// What the main window knows of the operator's work in its entry boxes: the Enter flags,
// the trip rows being edited and the edits under way. The poll, the read-backs and the first
// read write the boxes through it, so that a box the operator is typing in keeps its text.
#include "ui/EntryEdits.h"
#include <QString>

class PowerUnits;
class QLineEdit;

class EntryBoxState {
public:
    explicit EntryBoxState(PowerUnits& powerUnits) : powerUnits_(powerUnits) {}

    // One Enter flag per sending box: an Enter has sent the box's value, so that box's next
    // loss of focus sends nothing. Cleared by that loss of focus, by typing into the box again
    // and by DisableForm.
    struct EnterFlags {
        bool txtAtnDB = false;
        bool txtAtnCnt = false;
        bool txtConstLvl = false;
        bool txtLinAmp = false;
        bool txtLinPhase = false;
        bool txtAdr = false;
    };
    EnterFlags EnterHandled;
    // Set while the operator edits an RF trip's type or level: InitRFTripLevels leaves it.
    bool FhiTripEditing = false;
    bool FloTripEditing = false;
    bool RhiTripEditing = false;
    EntryEdits edits;   // the operator's edits of the entry boxes

    // Clears the Enter flags, the trip rows' editing flags and the operator's edits (no box
    // can hold the focus of a disabled window).
    void ClearEntryFlags();
    // Writes an entry box with what the unit reports, unless the operator is editing the box:
    // the typed text stays until the operator leaves it, presses Enter or presses Esc. True
    // when written.
    bool FillEntryBox(QLineEdit* box, const QString& text);
    bool FillPowerBox(QLineEdit* box, const QString& text, float dBm);

private:
    PowerUnits& powerUnits_;
};
