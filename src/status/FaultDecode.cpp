#include "status/FaultDecode.h"

namespace status {
namespace {

using namespace fieldbytes;

// A TWTA list stops taking bytes C and D once this many rows are taken.
constexpr int TwtaRowLimit = 9;

ListDecoding DecodeTwtaFaults(const QString& field)
{
    ListBuilder list;
    list.look(A, FieldByte(field, A), {5, 4, 3, 2, 1, 0});
    list.look(B, FieldByte(field, B), {5, 4, 3, 2, 1, 0});
    // The limit is tested before byte C and again before byte D; a skipped byte counts
    // as all clear. Bit 5 of byte D is never looked at.
    if (list.rowCount() >= TwtaRowLimit)
        list.hide(C, {5, 4, 3, 2, 1, 0});
    else
        list.look(C, FieldByte(field, C), {5, 4, 3, 2, 1, 0});
    if (list.rowCount() >= TwtaRowLimit)
        list.hide(D, {4, 3, 2, 1, 0});
    else
        list.look(D, FieldByte(field, D), {4, 3, 2, 1, 0});
    return list.take();
}

ListDecoding DecodeOtherFaults(const QString& field, const PanelUnit& unit)
{
    ListBuilder list;
    list.look(A, FieldByte(field, A), {5, 4, 3, 2, 1, 0});
    list.look(B, FieldByte(field, B), {5, 4, 3, 2, 1, 0});
    const int c = FieldByte(field, C);
    list.look(C, c, 4);
    if (unit.UnitModelCode == 8817)
        list.look(C, c, {1, 0});
    list.look(D, FieldByte(field, D), {1, 3});
    return list.take();
}

}   // namespace

FaultDecoding DecodeFaultField(const QString& field, const PanelUnit& unit)
{
    FaultDecoding out;
    if (field.size() < BytesPerField)
        return out;
    if (unit.IsTwtaUnit) {
        out.list = DecodeTwtaFaults(field);
        out.refreshRfInhibit = !out.list.rows.empty();
    } else {
        out.list = DecodeOtherFaults(field, unit);
    }
    return out;
}

}   // namespace status
