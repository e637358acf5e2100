#pragma once
#include <QString>
#include <array>

// Splits a dotted address ("10.0.0.254") into its four octets, first octet first. The
// split stops at the first part that is missing or empty: the octets from there on keep
// their values, as does every octet when the text is empty. Each part counts by its
// leading number; a part beyond the 16-bit range leaves its octet as it was.
void ParseOctets(const QString& text, std::array<qint16, 4>& octets);
