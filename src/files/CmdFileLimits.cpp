// Command-file sections: Limits, heater and supplies.
#include "files/CmdFileSections.h"

bool SaveRevRFOffset(CmdFileContext&)
{
    return true;
}

bool SaveMaxPowerLimit(CmdFileContext&)
{
    return true;
}

bool SaveHeaterStandby(CmdFileContext&)
{
    return true;
}

bool SaveHelixCurrentRatio(CmdFileContext&)
{
    return true;
}

bool SaveHelixCurrentTrip(CmdFileContext&)
{
    return true;
}

bool SaveDCVInputLimits(CmdFileContext&)
{
    return true;
}

bool SaveTemperatureTripLevels(CmdFileContext&)
{
    return true;
}

bool SaveFanTemperature(CmdFileContext&)
{
    return true;
}

bool SaveCathodeMonitor(CmdFileContext&)
{
    return true;
}

bool SaveUnitHours(CmdFileContext&)
{
    return true;
}
