#include "commands/EnetOctets.h"
#include "platform/Conventions.h"

namespace {
void setOctet(qint16& octet, const QString& part)
{
    if (const auto v = conv::ToInteger(conv::Val(part)))
        octet = *v;
}
}   // namespace

void ParseOctets(const QString& text, std::array<qint16, 4>& octets)
{
    if (text.isEmpty())
        return;
    const QString dot = QStringLiteral(".");
    int start = 1;
    for (int i = 0; i < 3; ++i) {
        const int next = conv::InStr(text, dot, start);
        // The first part must not be empty; nor may any later one.
        if (next <= start)
            return;
        setOctet(octets[i], conv::Mid(text, start, next - start));
        start = next + 1;
    }
    setOctet(octets[3], conv::Mid(text, start));
}
