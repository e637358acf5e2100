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
        // a window file of the link sees the link's context only
        {"src/link/frmCom.cpp", "#include \"app/Program.h\"\n#include \"ui/frmComUi.h\"\n"},
        // the link sits below the command module
        {"src/link/UnitSearch.cpp", "#include \"link/UnitSearch.h\"\n#include \"commands/StatusQueries.h\"\n"},
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
        "src/link/UnitSearch.cpp: commands/StatusQueries.h",
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

// A permitted include that leads through the headers of the tree to a forbidden one breaks
// the rules of the source that includes it, named by the chain of includes.
TEST(IncludeRules, PlantedHeadersThatPullInAForbiddenFolderAreFound)
{
    struct Case {
        const char* what;
        QList<layers::SourceFile> files;
        QStringList expected;
    };
    const Case cases[] = {
        {"a header of the files brings the main window into the status",
         {{"src/status/FirstRead.cpp", "#include \"files/CmdFileLines.h\"\n"},
          {"src/files/CmdFileLines.h", "#include \"files/FileIO.h\"\n#include \"app/frmMain.h\"\n"}},
         {"src/status/FirstRead.cpp: files/CmdFileLines.h -> app/frmMain.h",
          "src/files/CmdFileLines.h: app/frmMain.h"}},
        {"a header of the link brings the command module into the link",
         {{"src/link/frmCom.cpp", "#include \"link/LinkContext.h\"\n"},
          {"src/link/LinkContext.h", "#include \"link/OVLink.h\"\n#include \"commands/UnitState.h\"\n"}},
         {"src/link/frmCom.cpp: link/LinkContext.h -> commands/UnitState.h",
          "src/link/LinkContext.h: commands/UnitState.h"}},
        {"a chain of permitted headers takes the settings into the transfers",
         {{"src/settings/LevelSetters.cpp", "#include \"status/PowerUnits.h\"\n"},
          {"src/status/PowerUnits.h", "#include \"status/ReadingFormat.h\"\n"},
          {"src/status/ReadingFormat.h", "#include \"transfers/LogSheet.h\"\n"}},
         {"src/settings/LevelSetters.cpp: status/PowerUnits.h -> status/ReadingFormat.h -> transfers/LogSheet.h",
          "src/status/PowerUnits.h: status/ReadingFormat.h -> transfers/LogSheet.h",
          "src/status/ReadingFormat.h: transfers/LogSheet.h"}},
        {"a header reached twice is named once, through the first include that leads to it",
         {{"src/dialogs/frmGainBal.cpp", "#include \"commands/SubBandQueries.h\"\n#include \"commands/ModelSets.h\"\n"},
          {"src/commands/SubBandQueries.h", "#include \"status/SubBands.h\"\n"},
          {"src/commands/ModelSets.h", "#include \"status/SubBands.h\"\n"}},
         {"src/dialogs/frmGainBal.cpp: commands/SubBandQueries.h -> status/SubBands.h",
          "src/commands/SubBandQueries.h: status/SubBands.h", "src/commands/ModelSets.h: status/SubBands.h"}},
        {"an include cycle ends",
         {{"src/files/FileIO.h", "#include \"files/FileNames.h\"\n"},
          {"src/files/FileNames.h", "#include \"files/FileIO.h\"\n#include \"status/Readings.h\"\n"}},
         {"src/files/FileIO.h: files/FileNames.h -> status/Readings.h", "src/files/FileNames.h: status/Readings.h"}},
        {"the program-wide state included from the status: the include itself, not what lies behind it",
         {{"src/status/Readings.cpp", "#include \"app/Program.h\"\n"},
          {"src/app/Program.h", "#include \"commands/CommandContext.h\"\n#include \"transfers/TransfersState.h\"\n"}},
         {"src/status/Readings.cpp: app/Program.h"}},
        {"a header of a permitted folder reaches the program-wide state",
         {{"src/ui/frmMainUi.cpp", "#include \"ui/Twips.h\"\n"}, {"src/ui/Twips.h", "#include \"app/Program.h\"\n"}},
         {"src/ui/frmMainUi.cpp: ui/Twips.h -> app/Program.h", "src/ui/Twips.h: app/Program.h"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(layers::IncludeViolations(c.files), c.expected);
    }
}
