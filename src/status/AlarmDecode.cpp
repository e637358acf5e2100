#include "status/AlarmDecode.h"

namespace status {
namespace {

using namespace fieldbytes;

ListDecoding DecodeTwtaAlarms(const QString& field, const PanelUnit& unit)
{
    ListBuilder list;
    const int a = FieldByte(field, A);
    list.look(A, a, {5, 4, 3});
    // Bit 2 of byte A is an alarm only on the models that report one there.
    if (unit.UnitModelCode == 4471 || unit.UnitModelCode == 4487)
        list.look(A, a, 2);
    list.look(A, a, {1, 0});
    if (!unit.LegacyStatusQuery) {
        list.look(B, FieldByte(field, B), 1);
        list.look(C, FieldByte(field, C), {5, 4, 3, 2});
        list.look(D, FieldByte(field, D), {2, 1, 0});
    }
    return list.take();
}

ListDecoding DecodeOtherAlarms(const QString& field, const PanelUnit& unit)
{
    ListBuilder list;
    list.look(A, FieldByte(field, A), {5, 4, 3, 2, 0});
    if (!unit.LegacyStatusQuery) {
        const int b = FieldByte(field, B);
        // Byte B counts upwards.
        if (unit.LldpFirmware)
            list.look(B, b, 0);
        list.look(B, b, {1, 2});
        list.look(C, FieldByte(field, C), {5, 4, 3, 2});
        list.look(D, FieldByte(field, D), {1, 0});
    }
    return list.take();
}

}   // namespace

ListDecoding DecodeAlarmField(const QString& field, const PanelUnit& unit)
{
    if (field.isEmpty())
        return {};
    return unit.IsTwtaUnit ? DecodeTwtaAlarms(field, unit) : DecodeOtherAlarms(field, unit);
}

}   // namespace status
