#include "link/UnitSearch.h"
#include "link/LinkContext.h"
#include "platform/Clock.h"

namespace UnitSearch {

const QStringList& LineSettings()
{
    static const QStringList table = {
        QStringLiteral("9600,N,8,1"),  QStringLiteral("19200,N,8,1"), QStringLiteral("38400,N,8,1"),
        QStringLiteral("4800,N,8,1"),  QStringLiteral("9600,E,7,1"),  QStringLiteral("19200,E,7,1"),
        QStringLiteral("38400,E,7,1"), QStringLiteral("4800,E,7,1"),  QStringLiteral("9600,O,7,1"),
        QStringLiteral("19200,O,7,1"), QStringLiteral("38400,O,7,1"), QStringLiteral("4800,O,7,1"),
    };
    return table;
}

int HighestSearchAddress(bool extended, bool advanced) { return extended ? 'F' : advanced ? 'Z' : 'C'; }

QString SearchingMessage(int addressCode, const QString& settings)
{
    return QStringLiteral("Searching: ") + QChar(addressCode) + QStringLiteral(", ") + settings;
}

}   // namespace UnitSearch

void InitCommSettingsTable(LinkContext& p)
{
    QStringList table = UnitSearch::LineSettings();
    while (table.size() < UnitSearch::TableSlots)
        table.append(QString());
    p.conn.CommSettingsTable = table;
}

QString FindUnitAddress(LinkContext& p, const QString& settings, int low, int high, const std::function<bool()>& probe,
                        const std::function<void(const QString&)>& showStatus)
{
    using namespace UnitSearch;
    const auto inRange = [](int code) { return code >= LowestAddress && code <= HighestAddress; };
    if (settings.isEmpty() || !inRange(low) || !inRange(high))
        return QString();
    OVLink& link = p.LinkObject;
    const QString savedAddress = link.DeviceAddress();
    const QString savedSettings = link.CommSettings();
    const float savedTimeout = link.MsgTimeout();
    link.setMsgTimeout(ProbeTimeout);
    link.setCommSettings(settings);

    bool answered = false;
    for (int code = qMin(low, high); code <= qMax(low, high); ++code) {
        showStatus(SearchingMessage(code, settings));
        link.setDeviceAddress(QString(QChar(code)));
        if (probe()) {
            answered = true;
            break;
        }
        p.platform.clock.processEvents();
        if (p.conn.AbortScan)
            break;
    }

    QString result;
    if (answered) {
        // Address checking is off: the unit may answer with an address of its own.
        result = link.reply().mid(1, 1);
        link.setDeviceAddress(result);
    } else {
        link.setDeviceAddress(savedAddress);
        // Line settings the operator chose while the probes waited (the serial-port menu
        // stays usable) are kept; only the search's own are undone.
        if (link.CommSettings() == settings)
            link.setCommSettings(savedSettings);
    }
    showStatus(QString());
    link.setMsgTimeout(savedTimeout);
    return result;
}
