#include "commands/EnetOctets.h"
#include "app/Program.h"
#include "app/frmMain.h"

void frmMain::ParseEnetparams()
{
    UnitConfig& f = p.unit.config;
    ParseOctets(p.conn.UnitIPAddress, f.UnitIPOctets);
    ParseOctets(f.UnitNetMask, f.UnitNetMaskOctets);
    ParseOctets(f.UnitGateway, f.UnitGatewayOctets);
}
