#include "status/FaultAlarmNames.h"
#include <algorithm>
#include <initializer_list>

namespace status {
namespace {

using namespace fieldbytes;

bool ModelIn(qint32 model, std::initializer_list<qint32> models)
{
    return std::find(models.begin(), models.end(), model) != models.end();
}

class Captions {
public:
    explicit Captions(ListKind kind)
    {
        for (int i = 0; i < LabelsPerList; ++i)
            c_[i] = DesignCaption(kind, BitLabel::fromIndex(i));
    }
    void set(int byte, int bit, const char* caption) { c_[BitLabel{byte, bit}.index()] = QString::fromLatin1(caption); }
    LabelCaptions take() { return std::move(c_); }

private:
    LabelCaptions c_;
};

// The TWTA model rows: the first row whose condition holds names its labels (C0, C1, C2,
// C3, C5, D2, D5; nullptr leaves a label alone).
struct TwtaModelRow {
    bool (*holds)(const NameInputs&);
    const char* c0;
    const char* c1;
    const char* c2;
    const char* c3;
    const char* c5;
    const char* d2;
    const char* d5;
};

constexpr const char* ExtRefLock = "ExtRef Lock";
constexpr const char* ExtRefPres = "ExtRef Pres";
constexpr const char* Heater = "Heater";
constexpr const char* ReturnLoss = "Return Loss";

const TwtaModelRow TwtaModelRows[] = {
    {[](const NameInputs& u) {
         return ModelIn(u.UnitModelCode, {6316, 6341});
     },
     "Missing Phase", "Phase Sequence", Heater, nullptr, nullptr, nullptr, nullptr},
    {[](const NameInputs& u) { return u.DualTwtaUnit; }, "HV Over 2", "Over Temp 2", "Helix Arc 2", "Helix Arc Latch 2",
     "HV Under 2", "Power Mismatch", nullptr},
    {[](const NameInputs& u) { return u.UnitModelCode == 6327; }, nullptr, nullptr, nullptr, nullptr, nullptr,
     "Analog Input", nullptr},
    {[](const NameInputs& u) { return u.UnitModelCode == 8718; }, nullptr, nullptr, Heater, nullptr, nullptr, nullptr,
     nullptr},
    {[](const NameInputs& u) {
         return ModelIn(u.UnitModelCode, {4471, 4487});
     },
     ExtRefLock, ExtRefPres, "24V Present", nullptr, nullptr, nullptr, ReturnLoss},
    {[](const NameInputs& u) { return u.ExtRefTwtaModel || u.UnitModelCode == 4491; }, ExtRefLock, ExtRefPres, Heater,
     nullptr, nullptr, nullptr, ReturnLoss},
    {[](const NameInputs& u) { return u.UnitModelCode == 7261; }, nullptr, "Aux Supply", Heater, nullptr, "Linearizer",
     nullptr, nullptr},
    {[](const NameInputs& u) { return u.UnitModelCode == 6652; }, nullptr, "WG Pressure", Heater, nullptr, nullptr,
     nullptr, ReturnLoss},
    {[](const NameInputs& u) {
         return ModelIn(u.UnitModelCode, {8863, 4546});
     },
     ExtRefLock, ExtRefPres, nullptr, nullptr, nullptr, nullptr, ReturnLoss},
    {[](const NameInputs& u) { return u.UnitModelCode == 7428; }, ExtRefLock, ExtRefPres, Heater, nullptr, nullptr,
     nullptr, nullptr},
    {[](const NameInputs& u) {
         return ModelIn(u.UnitModelCode, {0, 6093, 5819});
     },
     ExtRefLock, ExtRefPres, nullptr, nullptr, nullptr, nullptr, ReturnLoss},
};

void NameTwtaModelRow(Captions& names, const NameInputs& unit)
{
    for (const TwtaModelRow& row : TwtaModelRows) {
        if (!row.holds(unit))
            continue;
        const std::pair<BitLabel, const char*> named[] = {{{C, 0}, row.c0}, {{C, 1}, row.c1}, {{C, 2}, row.c2},
                                                          {{C, 3}, row.c3}, {{C, 5}, row.c5}, {{D, 2}, row.d2},
                                                          {{D, 5}, row.d5}};
        for (const auto& [label, caption] : named)
            if (caption)
                names.set(label.byte, label.bit, caption);
        return;
    }
}

void NameTwtaFaults(Captions& names, const NameInputs& unit)
{
    names.set(A, 2, "HV Over");
    names.set(A, 4, "Helix Arc");
    names.set(A, 5, "Helix Arc Latch");
    names.set(B, 5, "HV Under");
    names.set(C, 4, "Cover Interlock");
    names.set(D, 0, "Thrm Interlock");
    names.set(D, 1, "Over Drive");
    names.set(D, 4, "Up Converter");
    NameTwtaModelRow(names, unit);
}

void NameOtherFaults(Captions& names, const NameInputs& unit)
{
    if (unit.LldpFirmware) {
        names.set(C, 0, "Tx Off Fail");
        names.set(B, 0, "Inhibit Fail");
        names.set(A, 1, "Prime Power");
        names.set(A, 5, "Over Current");
    }
    names.set(A, 2, "DCV Input");
    names.set(A, 4, "Up Converter");
    names.set(B, 5, "Power Supply");
    if (ModelIn(unit.UnitModelCode, {8817, 8871, 8835})) {
        names.set(C, 0, ExtRefLock);
        names.set(C, 1, ExtRefPres);
        return;
    }
    if (unit.NoSubBandCompFirmware || unit.InputDriveFirmware || unit.LldpFirmware || unit.DrivePowerSupported)
        names.set(D, 1, "Inp Over Drive");
}

}   // namespace

QString DesignCaption(ListKind kind, BitLabel label)
{
    return QStringLiteral("%1 %2 bit %3")
        .arg(kind == ListKind::Fault ? QStringLiteral("Fault") : QStringLiteral("Alarm"))
        .arg(label.letter())
        .arg(label.bit);
}

LabelCaptions FaultNames(const NameInputs& unit)
{
    Captions names(ListKind::Fault);
    names.set(A, 0, "Low Line");
    names.set(A, 1, "Fan Fault");
    names.set(A, 3, "Over Temp");
    names.set(B, 0, "Waveguide Arc");
    names.set(B, 1, "RF High");
    names.set(B, 2, "RF Low");
    names.set(B, 3, "Ext Interlock");
    names.set(B, 4, "Reflected RF");
    names.set(C, 3, "Fast VSWR");
    names.set(C, 4, "Cover Interlock");
    names.set(D, 3, "Pwr Limit");
    if (unit.IsTwtaUnit)
        NameTwtaFaults(names, unit);
    else
        NameOtherFaults(names, unit);
    return names.take();
}

LabelCaptions AlarmNames(const NameInputs& unit)
{
    Captions names(ListKind::Alarm);
    names.set(A, 0, "DCV Low");
    names.set(A, 1, "");
    if (unit.UnitModelCode == 4471)
        names.set(A, 2, "TLT Alarm");
    else if (unit.LldpFirmware)
        names.set(A, 2, "Inhibit Fail");
    else
        names.set(A, 2, "DCV Input");
    names.set(A, 3, "Reflected RF");
    names.set(A, 4, "RF Low");
    names.set(A, 5, "RF High");
    names.set(B, 0, unit.LldpFirmware ? "Sys Power" : "Pwr Mismatch");
    names.set(B, 1, "Fan Speed");
    names.set(B, 2, "Low Gain");
    names.set(C, 2, "Ext Ref Pres");
    names.set(C, 3, "Low Drive");
    names.set(C, 4, "Cst Pwr Susp");
    names.set(C, 5, "High Drive");
    names.set(D, 0, "Overdrive");
    names.set(D, 1, "High Temp");
    names.set(D, 2, "Chk Fins");
    return names.take();
}

}   // namespace status
