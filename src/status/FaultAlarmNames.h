#pragma once
// The names of the fault and alarm labels, by unit family, model code and firmware.
#include "status/IndicatorList.h"
#include <array>

namespace status {

// What the names depend on.
struct NameInputs {
    bool IsTwtaUnit = false;
    qint32 UnitModelCode = -1;
    bool ExtRefTwtaModel = false;
    bool NoSubBandCompFirmware = false;
    bool InputDriveFirmware = false;
    bool LldpFirmware = false;
    bool DualTwtaUnit = false;   // a TWTA with two tubes
    bool DrivePowerSupported = false;
};

using LabelCaptions = std::array<QString, LabelsPerList>;   // indexed by BitLabel::index()

enum class ListKind { Fault, Alarm };

// The caption a label has before any unit names it: "Fault C bit 3", "Alarm B bit 0".
QString DesignCaption(ListKind kind, BitLabel label);

// The captions of all 24 fault labels for the unit. Labels the unit does not name get
// their design caption, so no name of an earlier unit's model is left standing.
LabelCaptions FaultNames(const NameInputs& unit);

// The captions of all 24 alarm labels for the unit; those never named keep their design
// caption.
LabelCaptions AlarmNames(const NameInputs& unit);

}   // namespace status
