#pragma once
// Queries of the unit's own network settings, its LLDP agent and the tube's life.
#include <QString>

struct Program;

namespace SsaCmds {

// Dotted quads, each part written without leading zeros; "" when unanswered or malformed.
QString GetIPAddress(Program& p);
QString GetNetMask(Program& p);
QString GetRouterAddress(Program& p);
QString GetMACAddress(Program& p);
bool ReadDhcpEnabled(Program& p);

QString GetFactoryLLDPText(Program& p);
// "med;hardware revision;uuid" into the factory LLDP settings; anything else changes nothing.
void ParseFactoryLLDP(Program& p, const QString& text);
QString GetUserLLDPText(Program& p);
// "enabled;tx interval;hold;reinit delay;host name" into the user LLDP settings.
void ParseUserLLDP(Program& p, const QString& text);

// The tube's three end-of-life values into ReplyFields 0 to 2.
bool ReadTWTEOLParams(Program& p);
QString ReadTWTLifeText(Program& p);

} // namespace SsaCmds
