#include "layers/IncludeRules.h"
#include <QHash>
#include <QRegularExpression>

namespace layers {
namespace {
const QString ProgramHeader = QStringLiteral("app/Program.h");

// What each folder of src/ may include: folders, and whether the program-wide state
// (app/Program.h, the one header of app/ that the windows' subsystems see) is among them. The
// windows' subsystems build on the link and the command module: the files lowest, the status
// on the files, the settings and the transfers on the status, the dialogs on the link and the
// commands alone; app/ composes them all. A folder not listed here may include nothing.
struct FolderRule {
    QStringList folders;
    bool program = false;
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
        {QStringLiteral("files"), {base + QStringList{QStringLiteral("files"), QStringLiteral("ui")}, true}},
        {QStringLiteral("status"),
         {base + QStringList{QStringLiteral("files"), QStringLiteral("status"), QStringLiteral("ui")}, true}},
        {QStringLiteral("settings"),
         {base + QStringList{QStringLiteral("files"), QStringLiteral("status"), QStringLiteral("settings"),
                             QStringLiteral("ui")},
          true}},
        {QStringLiteral("transfers"),
         {base + QStringList{QStringLiteral("files"), QStringLiteral("status"), QStringLiteral("transfers"),
                             QStringLiteral("ui")},
          true}},
        {QStringLiteral("dialogs"), {base + QStringList{QStringLiteral("dialogs"), QStringLiteral("ui")}, true}},
        {QStringLiteral("app"),
         {base + QStringList{QStringLiteral("files"), QStringLiteral("status"), QStringLiteral("settings"),
                             QStringLiteral("transfers"), QStringLiteral("dialogs"), QStringLiteral("ui"),
                             QStringLiteral("app")},
          true}},
    };
    return table;
}

bool allowed(const QString& folder, const QString& header)
{
    const auto rule = rules().constFind(folder);
    if (rule == rules().constEnd())
        return false;
    const QString target = header.section(QLatin1Char('/'), 0, 0);
    if (target == QLatin1String("app") && !rule->folders.contains(target))
        return rule->program && header == ProgramHeader;
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
