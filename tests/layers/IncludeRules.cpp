#include "layers/IncludeRules.h"
#include <QHash>
#include <QRegularExpression>

namespace layers {
namespace {
// What each folder of src/ may include; none below app/ sees a header of app/. The
// windows' subsystems build on the link and the command module: the files lowest, the status
// on the files, the settings and the transfers on the status, the dialogs on the link and the
// commands alone; app/ composes them all. A folder not listed here may include nothing.
struct FolderRule {
    QStringList folders;
};

const QHash<QString, FolderRule>& rules()
{
    static const QStringList base{QStringLiteral("platform"), QStringLiteral("link"), QStringLiteral("commands")};
    static const QHash<QString, FolderRule> table{
        {QStringLiteral("platform"), {{QStringLiteral("platform")}}},
        {QStringLiteral("ui"), {{QStringLiteral("ui"), QStringLiteral("platform")}}},
        // The link's own windows (the serial-port dialog, the locator) and its controllers of
        // the main window use the layouts and ask the unit's status through the command module.
        {QStringLiteral("link"), {base + QStringList{QStringLiteral("ui")}}},
        {QStringLiteral("commands"), {base}},
        {QStringLiteral("files"), {base + QStringList{QStringLiteral("files"), QStringLiteral("ui")}}},
        {QStringLiteral("status"),
         {base + QStringList{QStringLiteral("files"), QStringLiteral("status"), QStringLiteral("ui")}}},
        {QStringLiteral("settings"),
         {base + QStringList{QStringLiteral("files"), QStringLiteral("status"), QStringLiteral("settings"),
                             QStringLiteral("ui")}}},
        {QStringLiteral("transfers"),
         {base + QStringList{QStringLiteral("files"), QStringLiteral("status"), QStringLiteral("transfers"),
                             QStringLiteral("ui")}}},
        {QStringLiteral("dialogs"), {base + QStringList{QStringLiteral("dialogs"), QStringLiteral("ui")}}},
        {QStringLiteral("app"),
         {base + QStringList{QStringLiteral("files"), QStringLiteral("status"), QStringLiteral("settings"),
                             QStringLiteral("transfers"), QStringLiteral("dialogs"), QStringLiteral("ui"),
                             QStringLiteral("app")}}},
    };
    return table;
}

bool allowed(const QString& folder, const QString& header)
{
    const auto rule = rules().constFind(folder);
    if (rule == rules().constEnd())
        return false;
    const QString target = header.section(QLatin1Char('/'), 0, 0);
    return rule->folders.contains(target);
}
}   // namespace

QStringList IncludeViolations(const QList<SourceFile>& files)
{
    static const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s*"([^"/]+/[^"]+)")re"),
                                            QRegularExpression::MultilineOption);
    QStringList violations;
    for (const SourceFile& f : files) {
        const QStringList parts = f.path.split(QLatin1Char('/'));
        if (parts.size() < 3 || parts.at(0) != QLatin1String("src"))
            continue;
        const QString folder = parts.at(1);
        auto it = include.globalMatch(f.text);
        while (it.hasNext()) {
            const QString header = it.next().captured(1);
            if (!allowed(folder, header))
                violations << f.path + QStringLiteral(": ") + header;
        }
    }
    return violations;
}
}   // namespace layers
