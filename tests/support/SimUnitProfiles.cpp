#include "support/SimUnitProfile.h"

// Each query module adds what its queries need to these two profiles.
SimUnitProfile twtaProfile()
{
    SimUnitProfile p;
    p.set("1", "1DD");
    p.set("?!#(", "?" "\x44\x40\x40\x40" "\x40\x40\x40\x40" "\x40\x40\x40\x40");
    return p;
}

SimUnitProfile sspaProfile()
{
    SimUnitProfile p;
    p.set("1", "1DD");
    p.set("?!#(", "?" "\x44\x40\x40\x40" "\x40\x40\x40\x40" "\x40\x40\x40\x40");
    return p;
}
