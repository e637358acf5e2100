// Command-file sections: Everyday settings: attenuation, gain, linearizer, start-up and transmitter state,
// RF inhibit, constant power, arc detector, network and prime power.
#include "files/CmdFileSections.h"

bool SaveAttenuation(CmdFileContext&)
{
    return true;
}

bool SaveGainBalance(CmdFileContext&)
{
    return true;
}

bool SaveUnitGain(CmdFileContext&)
{
    return true;
}

bool SaveLinearizerParams(CmdFileContext&)
{
    return true;
}

bool SaveStartUpCfg(CmdFileContext&)
{
    return true;
}

bool SaveXmitState(CmdFileContext&)
{
    return true;
}

bool SaveAutoXmitRestore(CmdFileContext&)
{
    return true;
}

bool SaveRFInhibitState(CmdFileContext&)
{
    return true;
}

bool SaveRFPolarity(CmdFileContext&)
{
    return true;
}

bool SaveConstantPower(CmdFileContext&)
{
    return true;
}

bool SaveWGArcDetectorType(CmdFileContext&)
{
    return true;
}

bool SaveEnetParameters(CmdFileContext&)
{
    return true;
}

bool SaveMaxSystemPower(CmdFileContext&)
{
    return true;
}
