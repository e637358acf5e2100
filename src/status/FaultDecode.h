#pragma once
// The fault list: which labels the fault field of the status reply shows, in which rows,
// and whether the RF-inhibit box is to be refreshed from the unit.
#include "status/IndicatorList.h"

namespace status {

struct FaultDecoding {
    ListDecoding list;
    // A TWTA showing at least one fault refreshes the "RF Inhibit" box from the unit.
    bool refreshRfInhibit = false;
};

// Decodes the 4-character fault field; a field of fewer than 4 characters changes nothing.
// Characters after the 4th are ignored.
FaultDecoding DecodeFaultField(const QString& field, const PanelUnit& unit);

}   // namespace status
