#include "layers/IncludeRules.h"
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace layers {
namespace {
// What each folder of src/ may include; none below app/ sees a header of app/. The link sits
// on the platform alone; the windows' subsystems build on the link and the command
// module: the files lowest, the status on the files, the settings and the transfers on the
// status, the dialogs on the link and the commands alone; app/ composes them all. A folder not
// listed here may include nothing.
struct FolderRule {
    QStringList folders;
};

const QHash<QString, FolderRule>& rules()
{
    static const QStringList base{QStringLiteral("platform"), QStringLiteral("link"), QStringLiteral("commands")};
    static const QHash<QString, FolderRule> table{
        {QStringLiteral("platform"), {{QStringLiteral("platform")}}},
        {QStringLiteral("ui"), {{QStringLiteral("ui"), QStringLiteral("platform")}}},
        // The link's own windows (the serial-port dialog, the locator) use the layouts.
        {QStringLiteral("link"), {{QStringLiteral("platform"), QStringLiteral("link"), QStringLiteral("ui")}}},
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

bool permitted(const QString& folder, const QString& header)
{
    const auto rule = rules().constFind(folder);
    return rule != rules().constEnd() && rule->folders.contains(header.section(QLatin1Char('/'), 0, 0));
}

// A file of a folder of src/ ("src/link/OVLink.h"), and its path below src/ as an include
// names it ("link/OVLink.h").
bool inSourceFolder(const QString& path)
{
    return path.startsWith(QLatin1String("src/")) && path.count(QLatin1Char('/')) >= 2;
}

QString includeName(const QString& path) { return path.mid(4); }

// The quoted includes of every file of src/, by its include name.
using IncludeMap = QHash<QString, QStringList>;

IncludeMap quotedIncludes(const QList<SourceFile>& files)
{
    static const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s*"([^"/]+/[^"]+)")re"),
                                            QRegularExpression::MultilineOption);
    IncludeMap map;
    for (const SourceFile& f : files) {
        if (!inSourceFolder(f.path))
            continue;
        QStringList& headers = map[includeName(f.path)];
        auto it = include.globalMatch(f.text);
        while (it.hasNext())
            headers << it.next().captured(1);
    }
    return map;
}

// One source's includes, followed through the headers of the tree: a forbidden include is a
// violation, and so is each forbidden header a permitted one leads to, named by the chain of
// includes from the source ("files/Y.h -> app/frmMain.h"). Each header is opened once, so an
// include cycle ends.
class IncludeWalk {
public:
    IncludeWalk(const IncludeMap& includes, const QString& path)
        : includes_(includes), path_(path), folder_(path.section(QLatin1Char('/'), 1, 1)), seen_{includeName(path)}
    {
    }
    QStringList run()
    {
        for (const QString& header : includes_.value(includeName(path_)))
            check(header, {});
        return violations_;
    }

private:
    const IncludeMap& includes_;
    const QString path_;
    const QString folder_;
    QSet<QString> seen_;
    QStringList violations_;

    // A header the source reaches through the headers of via (none: it includes it itself).
    void check(const QString& header, const QStringList& via)
    {
        const bool opened = seen_.contains(header);
        if (opened && !via.isEmpty())
            return;   // reached before, and reported or followed then
        seen_.insert(header);
        const QStringList chain = via + QStringList{header};
        if (!permitted(folder_, header)) {
            violations_ << path_ + QStringLiteral(": ") + chain.join(QStringLiteral(" -> "));
            return;
        }
        if (!opened) {
            for (const QString& next : includes_.value(header))
                check(next, chain);
        }
    }
};
}   // namespace

QStringList IncludeViolations(const QList<SourceFile>& files)
{
    const IncludeMap includes = quotedIncludes(files);
    QStringList violations;
    for (const SourceFile& f : files) {
        if (inSourceFolder(f.path))
            violations << IncludeWalk(includes, f.path).run();
    }
    return violations;
}
}   // namespace layers
