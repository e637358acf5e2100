// Command-file sections: Fault and alarm enables and bit maps.
#include "files/CmdFileSections.h"

bool SaveFaultEnableCfg(CmdFileContext&)
{
    return true;
}

bool SaveLatchedFaults(CmdFileContext&)
{
    return true;
}

bool SaveAlarmEnableCfg(CmdFileContext&)
{
    return true;
}
