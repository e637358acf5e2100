// The captions of the fault and alarm labels for the connected unit.
#include "link/Program.h"
#include "status/FaultAlarmNames.h"
#include "ui/frmMain.h"
#include <QLabel>

namespace {
void applyCaptions(const std::array<std::array<QLabel*, 6>, 4>& bytes, const status::LabelCaptions& captions)
{
    for (int i = 0; i < status::LabelsPerList; ++i) {
        const auto label = status::BitLabel::fromIndex(i);
        bytes[label.byte][label.bit]->setText(captions[i]);
    }
}
}

status::NameInputs frmMain::nameInputs() const
{
    const UnitIdentity& id = p.unit.id;
    return {id.IsTwtaUnit,         id.UnitModelCode, id.ExtRefTwtaModel,        id.NoSubBandCompFirmware,
            id.InputDriveFirmware, id.LldpFirmware,  p.unit.config.DualTwtaUnit, p.display.DrivePowerSupported};
}

void frmMain::InitFaultNames() { applyCaptions(ui.faultBytes(), status::FaultNames(nameInputs())); }

void frmMain::InitAlarmNames() { applyCaptions(ui.alarmBytes(), status::AlarmNames(nameInputs())); }
