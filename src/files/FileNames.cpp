#include "files/FileNames.h"
#include "files/FilesState.h"
#include "platform/Folders.h"
#include "platform/Prompts.h"
#include <QDir>
#include <QFileInfo>

QString SafeFileNamePart(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral(".."), QStringLiteral("_"));
    for (QChar& ch : out) {
        const char16_t u = ch.unicode();
        if (u == u'/' || u == u'\\' || u == u':' || u < 32 || u == 127)
            ch = QLatin1Char('_');
    }
    return out;
}

QString BuildUnitFileName(const QString& id, const QString& suffix)
{
    if (id.isEmpty() || suffix.isEmpty())
        return QString();
    const QString kept = id.size() == 12 ? id.mid(4) : id;
    return SafeFileNamePart(kept + QLatin1Char('_') + suffix);
}

namespace {
QString joined(const QString& folder, const QString& sub)
{
    return sub.isEmpty() ? QDir::cleanPath(folder) : QDir::cleanPath(folder + QLatin1Char('/') + sub);
}

// The path cannot be used as a folder: it is something other than a folder, or one of
// its parents is.
bool unusable(const QString& path)
{
    QFileInfo info(path);
    if (info.exists())
        return !info.isDir();
    for (QString up = info.absolutePath(); !up.isEmpty();) {
        const QFileInfo parent(up);
        if (parent.exists())
            return !parent.isDir();
        const QString next = parent.absolutePath();
        if (next == up)
            break;
        up = next;
    }
    return false;
}
}   // namespace

QString GetCalFilesFolder(const Folders& folders, const QString& calFilePath, const QString& subFolder)
{
    const QString root = folders.calFilesFolder();
    QString path = joined(root, subFolder);
    if (QFileInfo(path).isDir())
        return path;
    if (!unusable(path)) {
        QDir().mkpath(root);
        QDir().mkdir(path);
        return path;
    }
    if (!calFilePath.isEmpty() && !unusable(calFilePath))
        return calFilePath;
    QString home = joined(folders.homeFolder(), subFolder);
    if (!QFileInfo(home).isDir())
        QDir().mkdir(home);
    return home;
}

QString GetFreeFileName(const QString& base, const QString& extension)
{
    if (base.isEmpty())
        return QString();
    QString first = base + extension;
    if (!QFileInfo::exists(first))
        return first;
    for (int n = 1; n < 32767; ++n) {
        QString candidate = base + QString::number(n) + extension;
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
    return QString();
}

QString GetFreeTxtFileName(const QString& base) { return GetFreeFileName(base, QStringLiteral(".txt")); }

QString CalFileNamePart(int fileType)
{
    switch (fileType) {
    case 1:
        return QStringLiteral("AtnCal");
    case 2:
        return QStringLiteral("PwrCal");
    default:
        return QString();
    }
}

QString GetUnitFolderName(const CalDialogContext& c) { return BuildUnitFileName(c.partNumber, c.serialNumber); }

namespace {
QString calStartFolder(CalDialogContext& c)
{
    QString folder = GetCalFilesFolder(c.folders, c.files.CalFilePath, GetUnitFolderName(c));
    c.files.DialogFolder = folder;
    return folder;
}

QString chosen(CalDialogContext& c, const QString& path)
{
    if (path.isEmpty())
        return QString();
    c.files.DialogFileName = path;
    c.files.CalFilePath = QFileInfo(path).absolutePath();
    return path;
}
}   // namespace

QString GetFileNameToOpen(CalDialogContext& c, int /*fileType*/)
{
    const QString folder = calStartFolder(c);
    c.files.DialogFileName.clear();
    return chosen(c, c.prompts.openFile(QStringLiteral("Open"), folder, QString::fromLatin1(kTextFileFilter)));
}

QString GetSaveAsFileName(CalDialogContext& c, int fileType)
{
    const QString folder = calStartFolder(c);
    const QString base = folder + QLatin1Char('/') + SafeFileNamePart(c.serialNumber) + CalFileNamePart(fileType);
    const QString proposed = GetFreeTxtFileName(base);
    c.files.DialogFileName = proposed;
    return chosen(c, c.prompts.saveFile(QStringLiteral("Save As"), folder, QString::fromLatin1(kTextFileFilter),
                                        QFileInfo(proposed).fileName()));
}
