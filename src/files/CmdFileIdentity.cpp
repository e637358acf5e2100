// Command-file sections: The unit's identity: firmware, part, serial and model-configuration numbers.
#include "files/CmdFileSections.h"

bool SaveFWPartNumber(CmdFileContext&)
{
    return true;
}

bool SavePartNumber(CmdFileContext&)
{
    return true;
}

bool SaveSerialNumber(CmdFileContext&)
{
    return true;
}

bool SaveModelCfgPN(CmdFileContext&)
{
    return true;
}
