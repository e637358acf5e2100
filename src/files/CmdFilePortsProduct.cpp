// Command-file sections: Serial ports, LED mode, scalers, digital pots, float supply and product ID.
#include "files/CmdFileSections.h"

bool SaveSerialPortParameters(CmdFileContext&)
{
    return true;
}

bool SaveLEDMode(CmdFileContext&)
{
    return true;
}

bool SaveADCScalers(CmdFileContext&)
{
    return true;
}

bool SaveDigitalPots(CmdFileContext&)
{
    return true;
}

bool SaveFloatSupplyParams(CmdFileContext&)
{
    return true;
}

bool SaveProductID(CmdFileContext&)
{
    return true;
}
