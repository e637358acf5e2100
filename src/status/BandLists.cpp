#include "status/BandLists.h"
#include "platform/Conventions.h"

namespace bands {

QString SubBandCaption(int n, const QString& freq)
{
    QString caption = QStringLiteral("#%1   ").arg(n);
    if (!freq.isEmpty())
        caption += freq + QStringLiteral(" GHz");
    return caption;
}

SubBandList SubBandListFrom(const std::array<QString, 11>& replyFields)
{
    SubBandList list;
    for (int n = 1; n <= 8; ++n) {
        const QString& f = replyFields[static_cast<size_t>(n - 1)];
        if (!f.isEmpty() && conv::Val(f) > 0) {
            list.freqs[static_cast<size_t>(n)] = f;
            ++list.count;
        }
    }
    return list;
}

bool ShowsCurrentSubBand(qint16 current, const QString& currentFreq)
{
    return conv::Val(currentFreq) != 0 && current >= 1 && current <= 8;
}

BandName ClassifyBandName(const QString& name)
{
    if (name == QLatin1String("NOT SUPPORTED"))
        return BandName::EndOfList;
    return name.isEmpty() ? BandName::Empty : BandName::Listed;
}

QString BandFrequencyText(const QString& field) { return conv::FormatText(field, QStringLiteral("#0.00")); }

}   // namespace bands
