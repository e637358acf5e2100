#include "files/UnitFileHeader.h"
#include "commands/UnitState.h"
#include "files/CmdFileSections.h"
#include "files/FileIO.h"

void SetUnitHeaderProperties(FileIO& io, const UnitState& unit)
{
    io.setProjectID(static_cast<qint16>(unit.id.UnitModelCode));
    io.setTWTAUnit(unit.id.IsTwtaUnit);
    io.setFWPartNumber(CleanUnitValue(unit.id.FirmwarePartNo));
    io.setUnitSerialNumber(CleanUnitValue(unit.id.UnitSerialNo));
    io.setModelCfgPartNumber(CleanUnitValue(unit.id.ModelCfgPartNo));
    io.setUseParamLog(unit.features.HasParamLog);
    io.setCurrentRFBand(CleanUnitValue(unit.config.CurrentBandText));
}
