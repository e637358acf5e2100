#include "transfers/CalFactorTable.h"
#include "files/FileNames.h"
#include "platform/Conventions.h"
#include <QStringList>

CalFactorRows ParseCalFactorTable(const QString& text)
{
    CalFactorRows rows;
    if (text.isEmpty())
        return rows;
    QStringList pieces = text.split(QLatin1Char(';'));
    pieces.removeLast();   // whatever follows the final ";"
    for (int i = 0; i < CalFactorRowCount && i < pieces.size(); ++i) {
        const QStringList parts = pieces[i].split(QLatin1Char(','));
        if (parts.size() == 2)
            rows[i] = CalFactorPair{conv::TrimBlanks(parts[0]), conv::TrimBlanks(parts[1])};
    }
    return rows;
}

QString CalFactorFileLine(const QString& frequency, const QString& calFactor)
{
    return frequency + QStringLiteral("   ") + calFactor;
}

QString CalFactorFileName(const QString& serialNo)
{
    return QStringLiteral("CalFac") + SafeFileNamePart(serialNo) + QStringLiteral(".txt");
}
