#pragma once
// Compact texts of decoding results, so table tests compare one line per case.
#include "status/IndicatorList.h"
#include <QStringList>
#include <algorithm>
#include <string>

namespace decodetext {

// The units the panel tables decode for: a TWTA and an SSPA of ordinary models.
inline const status::PanelUnit Twta{.IsTwtaUnit = true, .UnitModelCode = 4817};
inline const status::PanelUnit Sspa{.UnitModelCode = 1234};

inline std::string Name(status::BitLabel l) { return std::string(1, char('A' + l.byte)) + char('0' + l.bit); }

inline std::string Labels(std::vector<status::BitLabel> labels, bool sorted = false)
{
    if (sorted)
        std::sort(labels.begin(), labels.end(), [](auto x, auto y) { return x.index() < y.index(); });
    std::string out;
    for (const auto& l : labels)
        out += (out.empty() ? "" : " ") + Name(l);
    return out;
}

// The labels in row order, e.g. "A5 A0".
inline std::string Rows(const status::ListDecoding& d) { return Labels(d.rows); }

// Every label the decoding touches, shown or hidden, in A0..D5 order.
inline std::string Touched(const status::ListDecoding& d)
{
    auto all = d.rows;
    all.insert(all.end(), d.hidden.begin(), d.hidden.end());
    return Labels(all, true);
}

// A field from byte values.
inline QString Field(std::initializer_list<int> bytes)
{
    QString s;
    for (int b : bytes)
        s.append(QChar(b));
    return s;
}

}   // namespace decodetext
