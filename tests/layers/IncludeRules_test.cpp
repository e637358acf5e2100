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
        // a window file has no exemption: the link's dialogs see the link's context only
        {"src/link/frmCom.cpp", "#include \"app/Program.h\"\n#include \"ui/frmComUi.h\"\n"},
        {"src/status/PollLoop.cpp", "#include \"app/frmMain.h\"\n#include \"files/FileIO.h\"\n"},
        // sibling subsystems: settings builds on status, never the other way round
        {"src/status/SubBands.cpp", "#include \"settings/LevelSetters.h\"\n"},
        {"src/settings/LevelSetters.cpp", "#include \"status/PowerUnits.h\"\n#include \"app/Program.h\"\n"},
        {"src/transfers/LogPaging.cpp", "#include \"files/FileIO.h\"\n#include \"app/Program.h\"\n"},
        {"src/transfers/LogDownloads.cpp", "#include \"app/frmMain.h\"\n#include \"settings/UnitClock.h\"\n"},
        {"src/dialogs/frmGainBal.cpp", "#include \"status/SubBands.h\"\n#include \"ui/frmGainBalUi.h\"\n"},
        {"src/extra/Tool.cpp", "#include \"platform/Clock.h\"\n"},
    };
    const QStringList expected = {
        "src/platform/Clock.h: link/OVLink.h",
        "src/link/OVLink.cpp: status/PollRules.h",
        "src/commands/QueryRule.cpp: app/Program.h",
        "src/ui/frmMainUi.cpp: app/frmMain.h",
        "src/link/frmCom.cpp: app/Program.h",
        "src/status/PollLoop.cpp: app/frmMain.h",
        "src/status/SubBands.cpp: settings/LevelSetters.h",
        "src/settings/LevelSetters.cpp: app/Program.h",
        "src/transfers/LogPaging.cpp: app/Program.h",
        "src/transfers/LogDownloads.cpp: app/frmMain.h",
        "src/transfers/LogDownloads.cpp: settings/UnitClock.h",
        "src/dialogs/frmGainBal.cpp: status/SubBands.h",
        "src/extra/Tool.cpp: platform/Clock.h",
    };
    EXPECT_EQ(layers::IncludeViolations(planted), expected);
}
