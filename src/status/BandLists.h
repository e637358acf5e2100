#pragma once
// The RF band list and the sub-band menu as the unit's answers make them.
#include <QString>
#include <array>

namespace bands {

// Caption of sub-band item n: "#n" and three blanks, then the frequency and " GHz"; an
// item without a frequency keeps only "#n   ", so no earlier unit's frequency stays on it.
QString SubBandCaption(int n, const QString& freq);

// The sub-band list of "PBS1?" to "PBS8?" (ReplyFields 0 to 7).
struct SubBandList {
    std::array<QString, 10> freqs;   // elements 1 to 8; "" for a sub-band the unit lacks
    qint16 count = 0;                // sub-bands with a frequency above 0
};
SubBandList SubBandListFrom(const std::array<QString, 11>& replyFields);

// The current sub-band is shown when the unit gave a frequency other than 0 and a
// sub-band number from 1 to 8.
bool ShowsCurrentSubBand(qint16 current, const QString& currentFreq);

// What one band-name answer does to the RF band list.
enum class BandName {
    EndOfList,   // "NOT SUPPORTED": the unit has no more (or no) named bands
    Empty,       // no name: the band's entries are cleared, nothing is listed
    Listed,      // the name goes into the list
};
BandName ClassifyBandName(const QString& name);
// The band's frequency as the band arrays keep it: "#0.00", "" when the unit gave none.
QString BandFrequencyText(const QString& field);

}   // namespace bands
