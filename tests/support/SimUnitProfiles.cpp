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

// The readings both families answer.
void addCommonReadings(SimUnitProfile& p)
{
    p.set("?T", "? 35 ");
    p.set("?t", "? 28.4");
    p.set("PBKF?", "PBKF85");
    p.set("PBKA?", "PBKA75");
    p.set("PBKI?", "PBKI15");
    p.set("PBKL?", "PBKL1");
    p.set(".?P332", ".P332 70");
    p.set(".?P333", ".P333 -20");
    p.set("G?", "G47.5");
    p.set("?HLR", "?F70.0L10.0R45.0");
    p.set("?P", "?65.2");
    p.set("?S", "?-12.5");
    p.set("?A", "?10.5");
    p.set("8", "82048");
    p.set("?%", "?12/31/2025 23:59:58");
    p.set("TF?", "TF14250");
    p.set("PBS?", "PBS214.25");
    p.set("PBS1?", "PBS114.00");
    p.set("PBS2?", "PBS214.25");
    p.set("PBS3?", "PBS314.50");
    p.set("YC?", "YC1250");
}

// A tube unit: helix, heater, cathode current and float supply.
void addTubeReadings(SimUnitProfile& p)
{
    p.set("?TT", "? 35  31 ");
    p.set("?VIvi", "?5120 2506.30 245");
    p.set("?VI", "?5120 250");
    p.set("YGHI?", "YGHI20");
    p.set("YFTH?", "YFTH12.5");
    p.set("PHV?", "PHV6.30 ");
    p.set("PHI?", "PHI0.85 ");
    p.set("PBJ?", "PBJ1 3.5");
    p.set("YCA?", "YCA1;2;3;4;5;6;7;8");
    p.set("YCD?", "YCD6.3;0.8;1.5;2.25");
    p.set("YCI?", "YCI1");
    p.set("PBFS?", "PBFS2");
    p.set("PBFM?", "PBFM3");
    p.set("PBFI?", "PBFI350");
    p.set("?C", "? 340");
    p.set("PBFA?", "PBFA1200");
    p.set("PBFO?", "PBFO2048");
    p.set("PBFT?", "PBFT4000");
    p.set("PBFE?", "PBFE1");
    p.set("PBFF?", "PBFF150");
}

// A solid-state unit: current sense, DC input, downlink attenuation and linearizer.
void addSolidStateReadings(SimUnitProfile& p)
{
    p.set("?IiJj", "? 1.2 3.4 5.6 7.8");
    p.set(".?P92", ".P92 2.5");
    p.set(".?P93", ".P93 0.05");
    p.set("PBDV?", "PBDV48.2");
    p.set("PBDAL?", "PBDAL42.0");
    p.set("PBDAH?", "PBDAH56.0");
    p.set("PBDFL?", "PBDFL40.0");
    p.set("PBDFH?", "PBDFH58.0");
    p.set("PBDR?", "PBDR1.02");
    p.set("?/", "?0512");
    p.set("?Zz", "?A012P034");
    p.set("PZ?2", "PZ2A013");
    p.set("Pz?2", "Pz2P035");
    p.set("P/?2", "P/2S057");
    p.set("PG?2", "PG1-1.5");
    p.set("P|?2", "P|2T0.5");
    p.set("YC?:2", "YC1180");
}

}   // namespace

// Each query module adds what its queries need to these two profiles.

namespace {

// Limits, masks, network, ports, bands: what both families answer. Network replies carry
// loopback addresses only.
void addConfigReplies(SimUnitProfile& p)
{
    p.set(".?P71", ".P71 465");
    p.set(".?P66", ".P66 100");
    p.set(".?P203", ".P203 250");
    p.set(".?P320", ".P320 125");
    p.set(".?P321", ".P321 200");
    p.set(".?P322", ".P322 0");
    p.set(".?P334", ".P334 300");
    p.set("PBA?", "PBA1");
    p.set(".?P151", ".P151 1");
    p.set(".?P212", ".P212 0");
    p.set("PS?", "PS18.5");
    p.set("PR?", "PR-1.5");
    p.set("PO?", "PO1 46.0;40.5");
    p.set("POO?", "POO47.5");
    p.set("YIF?", "YIF1048575,255");
    p.set("YIA?", "YIA4095");
    p.set("PEI?", "PEI127.0.0.5");
    p.set("PEN?", "PEN255.0.0.0");
    p.set("PER?", "PER127.0.0.1");
    p.set("PEM?", "PEM00-11-22-33-44-55");
    p.set("PEO?", "PEO1");
    p.set("QlldpFactorySetup?", "QlldpFactorySetup 1;HW2;uuid-0001");
    p.set("QlldpSetupConfig?", "QlldpSetupConfig 1;30;4;2;unit-a");
    p.set("PX?", "PX1");
    p.set("?M", "?012345");
    p.set("?N", "?000321");
    p.set("?Q", "? 1.2");
    p.set("X1?", "X1009600N81");
    p.set("X2?", "X2038400E71");
    p.set("XR?", "XR21B;OBMIP");
    p.set("YB?", "YB0.015");
    p.set("YB?1", "YB-0.02 dB/C");
    p.set(".?P54", ".P54 1");
    p.set("PTI?", "PTI0");
    p.set("T?", "TKu, 14.250");
    p.set(".?B1", ".B1Ku,14.25");
    p.set(".?B2", ".B2Ka,29.5");
    p.set("YFTF?", "YFTF 52.0");
    p.set("YFTR?", "YFTR 45.0");
    p.set("PBG?", "PBG45");
}

// The tube's life, heater and digital pots.
void addTubeConfigReplies(SimUnitProfile& p)
{
    p.set("QEP?", "QEP20000;5.5;123");
    p.set("QEC", "QEC15000;");
    p.set(":?", ":1");
    p.set("PBH?", "PBH1");
    p.set("YP1?", "YP1 128");
    p.set("YP3?", "YP3 2.5");
    p.set("YP4?", "YP4 64");
    p.set("YP5?", "YP5 32");
    p.set("YP6?", "YP6 16");
}

// The block up-converter, the gain balance, the analog scalers and the band minimum of
// a model that has its own query for it.
void addSspaConfigReplies(SimUnitProfile& p)
{
    p.set("PBRF?", "PBRF10.5");
    p.set("PBCA?", "PBCA10.5");
    p.set("PBCP?", "PBCP-12.5");
    p.set("PBCS?", "PBCS-10");
    p.set("PBCT?", "PBCT35.5");
    p.set("PBCN?", "PBCN30");
    p.set("PBCO?", "PBCO1.5");
    p.set("PBCM?", "PBCM2");
    p.set("PBCI?", "PBCI-11");
    p.set("PG?", "PG1 2.5");
    p.set("PBCG?", "PBCG1.5");
    p.set("YO1?", "YO1 512");
    p.set("YO2?", "YO2 256");
    p.set("YO3?", "YO3 128");
}

}   // namespace

namespace {

// The status query and the single status words: summary, fault and alarm words of four
// characters each.
void addStatusWords(SimUnitProfile& p)
{
    p.set("1", "1DD");
    p.set("?!#(", "?"
                  "\x44\x40\x40\x40"
                  "\x40\x40\x40\x40"
                  "\x40\x40\x40\x40");
    p.set("?!", "?"
                "\x44\x40\x40\x40");
    p.set("?(", "?"
                "\x40\x40\x40\x40");
}

}   // namespace

SimUnitProfile twtaProfile()
{
    SimUnitProfile p;
    addStatusWords(p);
    addTwtaIdentity(p);
    addCommonReadings(p);
    addTubeReadings(p);
    addConfigReplies(p);
    addTubeConfigReplies(p);
    return p;
}

SimUnitProfile sspaProfile()
{
    SimUnitProfile p;
    addStatusWords(p);
    addSspaIdentity(p);
    addCommonReadings(p);
    addSolidStateReadings(p);
    addConfigReplies(p);
    addSspaConfigReplies(p);
    return p;
}

SimUnitProfile olderSspaProfile()
{
    SimUnitProfile p;
    p.set("1", "1DD");
    p.set("?!#(", "?"
                  "\x44\x40\x40\x40"
                  "\x40\x40\x40\x40"
                  "\x40\x40\x40\x40");
    p.set("YT", "YT672-4817-001");   // part number at the start: no firmware part number
    p.set("00", "04817001/S00017/2.61/");
    return p;
}
