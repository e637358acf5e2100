// Command-file sections: RF set-up: bands, sub-bands, temperature compensation, waveguide, trip levels, supply
// set value, configuration word and up-converter.
#include "files/CmdFileSections.h"

bool SaveBandInfo(CmdFileContext&)
{
    return true;
}

bool SaveSubBandInfo(CmdFileContext&)
{
    return true;
}

bool SaveTempCompParams(CmdFileContext&)
{
    return true;
}

bool SaveWaveguideCfg(CmdFileContext&)
{
    return true;
}

bool SaveRedundantModeCfg(CmdFileContext&)
{
    return true;
}

bool SaveFwdRFTripLevels(CmdFileContext&)
{
    return true;
}

bool SaveRevRFTripLevel(CmdFileContext&)
{
    return true;
}

bool SaveFactoryTripLevels(CmdFileContext&)
{
    return true;
}

bool SavePSVset(CmdFileContext&)
{
    return true;
}

bool SaveUnitCfg(CmdFileContext&)
{
    return true;
}

bool SaveLowCostBucCfg(CmdFileContext&)
{
    return true;
}

bool SaveCurrentSenseCfg(CmdFileContext&)
{
    return true;
}
