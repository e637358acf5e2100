#include "layers/IncludeRules.h"
#include <QDirIterator>
#include <QFile>
#include <gtest/gtest.h>

namespace {
QList<layers::SourceFile> sourceTree()
{
    const QString root = QStringLiteral(TUBAMON_SOURCE_DIR);
    QList<layers::SourceFile> files;
    QDirIterator it(root + QStringLiteral("/src"), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly))
            files.append({f.fileName().mid(root.size() + 1), QString::fromUtf8(f.readAll())});
    }
    return files;
}
}   // namespace

TEST(IncludeRules, TheSourceTreeKeepsItsLayers)
{
    const auto files = sourceTree();
    ASSERT_GT(files.size(), 100);
    EXPECT_EQ(layers::IncludeViolations(files).join(QLatin1Char('\n')).toStdString(), "");
}

TEST(IncludeRules, PlantedIncludesAgainstTheLayersAreFound)
{
    const QList<layers::SourceFile> planted = {
        {"src/platform/Clock.h", "#include \"link/OVLink.h\"\n#include <QString>\n"},
        {"src/link/OVLink.cpp", "#include \"link/OVLink.h\"\n  #  include \"status/PollRules.h\"\n"},
        {"src/commands/QueryRule.cpp", "#include \"app/Program.h\"\n"},
        {"src/ui/frmMainUi.cpp", "#include \"ui/Twips.h\"\n#include \"app/frmMain.h\"\n"},
        // allowed: a link window file may include ui/ and app/; the subsystems above are free
        {"src/link/frmCom.cpp", "#include \"app/Program.h\"\n#include \"ui/frmComUi.h\"\n"},
        {"src/status/frmMain_poll.cpp", "#include \"app/frmMain.h\"\n#include \"files/FileIO.h\"\n"},
        {"src/transfers/LogPaging.cpp", "#include \"files/FileIO.h\"\n#include \"app/Program.h\"\n"},
        {"src/transfers/frmMain_log.cpp", "#include \"app/frmMain.h\"\n#include \"status/PollRules.h\"\n"},
    };
    const QStringList expected = {
        "src/platform/Clock.h: link/OVLink.h",        "src/link/OVLink.cpp: status/PollRules.h",
        "src/commands/QueryRule.cpp: app/Program.h",  "src/ui/frmMainUi.cpp: app/frmMain.h",
        "src/transfers/LogPaging.cpp: app/Program.h", "src/transfers/frmMain_log.cpp: status/PollRules.h",
    };
    EXPECT_EQ(layers::IncludeViolations(planted), expected);
}
