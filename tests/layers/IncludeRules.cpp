#include "layers/IncludeRules.h"
#include <QRegularExpression>

namespace layers {
namespace {
// The folders each layer may include from; a layer not listed here may include anything.
QStringList allowedFolders(const QString& layer, bool windowFile)
{
    if (layer == QLatin1String("platform"))
        return {QStringLiteral("platform")};
    if (layer == QLatin1String("ui"))
        return {QStringLiteral("ui"), QStringLiteral("platform")};
    if (layer == QLatin1String("link") || layer == QLatin1String("commands")) {
        QStringList folders{QStringLiteral("platform"), QStringLiteral("link"), QStringLiteral("commands")};
        if (windowFile)   // a layer's own windows and its procedures of the main window
            folders << QStringLiteral("ui") << QStringLiteral("app");
        return folders;
    }
    if (layer == QLatin1String("transfers")) {
        // Logs and tables build on the link, the command module and the files' text-file
        // class; the main window and the layouts only in the subsystem's window files.
        QStringList folders{QStringLiteral("platform"), QStringLiteral("link"), QStringLiteral("commands"),
                            QStringLiteral("files"), QStringLiteral("transfers")};
        if (windowFile)
            folders << QStringLiteral("ui") << QStringLiteral("app");
        return folders;
    }
    return {};
}
}   // namespace

QStringList IncludeViolations(const QList<SourceFile>& files)
{
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*"([^"/]+)/[^"]+")"),
                                            QRegularExpression::MultilineOption);
    QStringList violations;
    for (const SourceFile& f : files) {
        const QStringList parts = f.path.split(QLatin1Char('/'));
        if (parts.size() < 3 || parts.at(0) != QLatin1String("src"))
            continue;
        const QString layer = parts.at(1);
        const bool windowFile = parts.last().startsWith(QLatin1String("frm"));
        const QStringList allowed = allowedFolders(layer, windowFile);
        if (allowed.isEmpty())
            continue;
        auto it = include.globalMatch(f.text);
        while (it.hasNext()) {
            const auto m = it.next();
            if (!allowed.contains(m.captured(1)))
                violations << f.path + QStringLiteral(": ") + m.captured(0).section(QLatin1Char('"'), 1, 1);
        }
    }
    return violations;
}
}   // namespace layers
