#include "files/DataFolders.h"
#include "platform/Folders.h"
#include "support/FakePrompts.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DataFolders, CreatesTheMissingChainInOrder)
{
    QTemporaryDir tmp;
    const Folders folders(tmp.filePath("data"), tmp.filePath("home"));
    FakePrompts prompts;
    EXPECT_TRUE(InitDataDirectory(folders, prompts));
    EXPECT_TRUE(QDir(folders.dataFolder()).exists());
    EXPECT_TRUE(folders.dataFolder().endsWith("OrvanTech/Tubamon"));
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST(DataFolders, AMissingUserDataFolderIsMadeWithItsParents)
{
    QTemporaryDir tmp;
    const Folders folders(tmp.filePath("home/.local/share"), tmp.filePath("home"));
    FakePrompts prompts;
    EXPECT_TRUE(InitDataDirectory(folders, prompts));
    EXPECT_TRUE(QDir(folders.dataFolder()).exists());
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST(DataFolders, ExistingDataFolderCreatesNothing)
{
    QTemporaryDir tmp;
    const Folders folders(tmp.filePath("data"), tmp.filePath("home"));
    FakePrompts prompts;
    ASSERT_TRUE(QDir().mkpath(folders.dataFolder()));
    EXPECT_TRUE(InitDataDirectory(folders, prompts));
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST(DataFolders, AFileInTheWayIsReportedOnce)
{
    QTemporaryDir tmp;
    const Folders folders(tmp.filePath("data"), tmp.filePath("home"));
    ASSERT_TRUE(QDir().mkpath(tmp.filePath("data")));
    QFile blocker(folders.dataFolderChain().at(1));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    FakePrompts prompts;
    EXPECT_FALSE(InitDataDirectory(folders, prompts));
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].text, "Error Creating Folder");
    EXPECT_EQ(prompts.boxes[0].title, "File I/O Error");
}

TEST(DataFolders, CalibrationFolderUnderTheHomeFolder)
{
    const Folders folders("/x/data", "/x/home");
    EXPECT_EQ(folders.calFilesFolder(), "/x/home/Orvan/Amplifier Calibration Files");
}
