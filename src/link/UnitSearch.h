#pragma once
// The serial unit search: the line settings it walks, the addresses it tries and the probe
// of one line setting. The main window's part (caption, status bar, Terminate) is in
// status/UnitConnection.cpp.
#include <QString>
#include <QStringList>
#include <functional>

struct LinkContext;

namespace UnitSearch {
constexpr int LowestAddress = 64;    // "@"
constexpr int HighestAddress = 90;   // "Z"
constexpr int FirstAddress = 65;     // "A": every search starts here
constexpr int TableSlots = 21;
constexpr float ProbeTimeout = 0.6f;   // seconds per address

// The twelve line settings in search order.
const QStringList& LineSettings();
// Last address of the next search: "F" (extended), else "Z" (advanced), else "C".
int HighestSearchAddress(bool extended, bool advanced);
// "Searching: B, 19200,N,8,1".
QString SearchingMessage(int addressCode, const QString& settings);
}   // namespace UnitSearch

// Fills conn.CommSettingsTable: the twelve line settings, then empty slots.
void InitCommSettingsTable(LinkContext& p);

// Tries the addresses from low to high (character codes 64..90) on one line setting, each
// with the probe (the status-code query: true when answered) and a 0.6 s time-out, showing each try through showStatus.
// Returns the address in the answering unit's reply (the link is left on it and on these settings) or
// "" when none answered or conn.AbortScan was set between two tries (the link's address and
// settings are then restored, unless other settings were chosen meanwhile). The link
// time-out is always restored.
QString FindUnitAddress(LinkContext& p, const QString& settings, int low, int high, const std::function<bool()>& probe,
                        const std::function<void(const QString&)>& showStatus);
