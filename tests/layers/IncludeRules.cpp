#include "layers/IncludeRules.h"
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace layers {
namespace {
const QString ProgramHeader = QStringLiteral("app/Program.h");

// The windows' subsystems still include the program-wide state app/Program.h, the one header
// of app/ they may see; false takes that exemption away from every rule at once.
constexpr bool SeesProgram = true;

// What each folder of src/ may include: folders, and whether app/Program.h is among them. The
// link sits on the platform alone; the windows' subsystems build on the link and the command
// module: the files lowest, the status on the files, the settings and the transfers on the
// status, the dialogs on the link and the commands alone; app/ composes them all. A folder not
// listed here may include nothing.
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
        // The link's own windows (the serial-port dialog, the locator) use the layouts.
        {QStringLiteral("link"), {{QStringLiteral("platform"), QStringLiteral("link"), QStringLiteral("ui")}}},
        {QStringLiteral("commands"), {base}},
        {QStringLiteral("files"), {base + QStringList{QStringLiteral("files"), QStringLiteral("ui")}, SeesProgram}},
        {QStringLiteral("status"),
         {base + QStringList{QStringLiteral("files"), QStringLiteral("status"), QStringLiteral("ui")}, SeesProgram}},
        {QStringLiteral("settings"),
         {base + QStringList{QStringLiteral("files"), QStringLiteral("status"), QStringLiteral("settings"),
                             QStringLiteral("ui")},
          SeesProgram}},
        {QStringLiteral("transfers"),
         {base + QStringList{QStringLiteral("files"), QStringLiteral("status"), QStringLiteral("transfers"),
                             QStringLiteral("ui")},
          SeesProgram}},
        {QStringLiteral("dialogs"), {base + QStringList{QStringLiteral("dialogs"), QStringLiteral("ui")}, SeesProgram}},
        {QStringLiteral("app"),
         {base + QStringList{QStringLiteral("files"), QStringLiteral("status"), QStringLiteral("settings"),
                             QStringLiteral("transfers"), QStringLiteral("dialogs"), QStringLiteral("ui"),
                             QStringLiteral("app")}}},
    };
    return table;
}

// How a header stands to a folder's rule: forbidden, permitted, or permitted only as the
// program-wide state of the exemption.
enum class Reach { Forbidden, Permitted, Exempted };

Reach reach(const QString& folder, const QString& header)
{
    const auto rule = rules().constFind(folder);
    if (rule == rules().constEnd())
        return Reach::Forbidden;
    const QString target = header.section(QLatin1Char('/'), 0, 0);
    if (rule->folders.contains(target))
        return Reach::Permitted;
    if (target == QLatin1String("app") && rule->program && header == ProgramHeader)
        return Reach::Exempted;
    return Reach::Forbidden;
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
        switch (reach(folder_, header)) {
        case Reach::Forbidden:
            violations_ << path_ + QStringLiteral(": ") + chain.join(QStringLiteral(" -> "));
            break;
        case Reach::Permitted:
            if (!opened) {
                for (const QString& next : includes_.value(header))
                    check(next, chain);
            }
            break;
        case Reach::Exempted:
            // While the exemption stands app/Program.h is a leaf: it includes the files' and
            // the transfers' states, so following it would take status/ into transfers/. This
            // case goes with the exemption.
            break;
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
