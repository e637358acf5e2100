#include "support/SimUnitProfile.h"

namespace {

// Identity and product data: a three-phase TWTA (model 6316).
void addTwtaIdentity(SimUnitProfile& p)
{
    p.set("YT", "YTTWTA 672-6316-003");
    p.set("00", "06316-003/T10452/5.34/Nov  2 2008");
    p.set("0C", "0C1.4");
    p.set("YJ?", "YJ672-6316-103");
    p.set("YM?", "YM0");
    p.set("PTW?", "PTW1");
    p.set(".?P349", ".P349 1");
    p.set("PBW?", "PBW1");
    p.set("PBUH?", "PBUH0");
    p.set("N?", "N0");
    p.set("NP?", "NP2");
    p.set("PBO?", "PBO291-6316-003;ORVAN;T10452;HPA001");
    p.set("QS?", "QS5850,0.0;6425,0.3;");
}

// Identity and product data: an SSPA of the network-discovery (LLDP) firmware family.
void addSspaIdentity(SimUnitProfile& p)
{
    p.set("YT", "YTSSPA 672-7467-001");
    p.set("00", "07467-001/S20871/3.10/Mar 15 2012");
    p.set("0C", "0C2.0");
    p.set("YJ?", "YJ672-7467-201");
    p.set("YM?", "YM513");
    p.set("PTW?", "PTW0");
    p.set(".?P349", ".P349 0");
    p.set("PBW?", "PBW0");
    p.set("PBUH?", "PBUH1");
    p.set("N?", "N1");
    p.set("NP?", "NP5");
    p.set("QmaxSYSPower?", "QmaxSYSPower 1450");
    p.set("PBO?", "PBO291-7467-001;ORVAN;S20871;BUC002");
    p.set("QS?", "QS");
}

} // namespace

// Each query module adds what its queries need to these two profiles.
SimUnitProfile twtaProfile()
{
    SimUnitProfile p;
    p.set("1", "1DD");
    p.set("?!#(", "?" "\x44\x40\x40\x40" "\x40\x40\x40\x40" "\x40\x40\x40\x40");
    addTwtaIdentity(p);
    return p;
}

SimUnitProfile sspaProfile()
{
    SimUnitProfile p;
    p.set("1", "1DD");
    p.set("?!#(", "?" "\x44\x40\x40\x40" "\x40\x40\x40\x40" "\x40\x40\x40\x40");
    addSspaIdentity(p);
    return p;
}

SimUnitProfile olderSspaProfile()
{
    SimUnitProfile p;
    p.set("1", "1DD");
    p.set("?!#(", "?" "\x44\x40\x40\x40" "\x40\x40\x40\x40" "\x40\x40\x40\x40");
    p.set("YT", "YT672-4817-001");   // part number at the start: no firmware part number
    p.set("00", "04817001/S00017/2.61/");
    return p;
}
