#pragma once
// Queries of the unit's own network settings, its LLDP agent and the tube's life.
#include <QString>

struct CommandContext;

namespace SsaCmds {

// Dotted quads, each part written without leading zeros; "" when unanswered or malformed.
QString GetIPAddress(CommandContext& p);
QString GetNetMask(CommandContext& p);
QString GetRouterAddress(CommandContext& p);
QString GetMACAddress(CommandContext& p);
bool ReadDhcpEnabled(CommandContext& p);

QString GetFactoryLLDPText(CommandContext& p);
// "med;hardware revision;uuid" into the factory LLDP settings; anything else changes nothing.
void ParseFactoryLLDP(CommandContext& p, const QString& text);
QString GetUserLLDPText(CommandContext& p);
// "enabled;tx interval;hold;reinit delay;host name" into the user LLDP settings.
void ParseUserLLDP(CommandContext& p, const QString& text);

// The tube's three end-of-life values into ReplyFields 0 to 2.
bool ReadTWTEOLParams(CommandContext& p);
QString ReadTWTLifeText(CommandContext& p);

}   // namespace SsaCmds
