#include "platform/QtShell.h"
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool QtShell::open(const QString& pathOrUrl)
{
    if (pathOrUrl.trimmed().isEmpty())
        return false;
    const QUrl url = QFileInfo::exists(pathOrUrl) ? QUrl::fromLocalFile(pathOrUrl) : QUrl::fromUserInput(pathOrUrl);
    return url.isValid() && QDesktopServices::openUrl(url);
}
