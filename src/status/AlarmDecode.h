#pragma once
// The alarm list: which labels the alarm field of the status reply shows, in which rows.
#include "status/IndicatorList.h"

namespace status {

// Decodes the alarm field (bytes A..D, or byte A alone with LegacyStatusQuery). An empty
// field changes nothing; the bytes of a shorter field that are missing count as 0.
ListDecoding DecodeAlarmField(const QString& field, const PanelUnit& unit);

}   // namespace status
