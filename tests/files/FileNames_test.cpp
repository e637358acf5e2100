#include "files/FileNames.h"
#include "files/FilesState.h"
#include "platform/Folders.h"
#include "support/FakePrompts.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}
}   // namespace

TEST(FileNames, UnitFileNameAndSafeParts)
{
    struct {
        QString id, suffix, result;
    } cases[] = {
        {"672-7436-005", "12345", "7436-005_12345"},   // 12 characters: the last 8
        {"72-7436-005", "12345", "72-7436-005_12345"},
        {"6720-7436-005", "12345", "6720-7436-005_12345"},
        {"", "12345", ""},
        {"672-7436-005", "", ""},
        {"672-7436-005", "../x", "7436-005___x"},
        {"a:b", "c\\d\x01", "a_b_c_d_"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BuildUnitFileName(c.id, c.suffix), c.result) << c.id.toStdString() << " " << c.suffix.toStdString();
    EXPECT_EQ(SafeFileNamePart("SN-0042.A"), "SN-0042.A");
    EXPECT_EQ(SafeFileNamePart("../../etc"), "____etc");
}

TEST(FileNames, FreeTextFileName)
{
    QTemporaryDir tmp;
    const QString base = tmp.filePath("12345AtnCal");
    EXPECT_EQ(GetFreeTxtFileName(base), base + ".txt");
    touch(base + ".txt");
    EXPECT_EQ(GetFreeTxtFileName(base), base + "1.txt");
    touch(base + "1.txt");
    EXPECT_EQ(GetFreeTxtFileName(base), base + "2.txt");
    EXPECT_EQ(GetFreeTxtFileName(""), "");
}

TEST(FileNames, CalibrationFolderAndItsFallbacks)
{
    QTemporaryDir tmp;
    const Folders folders(tmp.filePath("data"), tmp.filePath("home"));
    const QString root = folders.calFilesFolder();

    // Made with its parents on first use, the sub-folder inside it.
    EXPECT_EQ(GetCalFilesFolder(folders, "", "7436-005_12345"), root + "/7436-005_12345");
    EXPECT_TRUE(QDir(root + "/7436-005_12345").exists());
    EXPECT_EQ(GetCalFilesFolder(folders, "", ""), root);

    // Taken by a file: CalFilePath when set, nothing created.
    touch(root + "/blocked");
    const QString chosen = tmp.filePath("chosen");
    EXPECT_EQ(GetCalFilesFolder(folders, chosen, "blocked"), chosen);
    EXPECT_FALSE(QDir(chosen).exists());
    // CalFilePath unusable or empty: the home folder + sub-folder.
    touch(tmp.filePath("afile"));
    EXPECT_EQ(GetCalFilesFolder(folders, tmp.filePath("afile"), "blocked"), tmp.filePath("home/blocked"));
    EXPECT_TRUE(QDir(tmp.filePath("home/blocked")).exists());
    EXPECT_EQ(GetCalFilesFolder(folders, "", "blocked"), tmp.filePath("home/blocked"));
    // A parent taken by a file counts as unusable too.
    const Folders under(tmp.filePath("data"), tmp.filePath("afile"));
    EXPECT_EQ(GetCalFilesFolder(under, chosen, "x"), chosen);
    EXPECT_FALSE(QDir(chosen).exists());
}

TEST(FileNames, CalibrationDialogs)
{
    QTemporaryDir tmp;
    const Folders folders(tmp.filePath("data"), tmp.filePath("home"));
    FakePrompts prompts;
    FilesState files;
    CalDialogContext c{prompts, folders, files, "672-7436-005", "12345"};
    const QString unitFolder = folders.calFilesFolder() + "/7436-005_12345";

    // Cancel gives "" and leaves CalFilePath.
    files.CalFilePath = "/before";
    EXPECT_EQ(GetSaveAsFileName(c, 1), "");
    EXPECT_EQ(files.CalFilePath, "/before");
    ASSERT_EQ(prompts.fileFolders.size(), 1);
    EXPECT_EQ(prompts.fileFolders[0], unitFolder);
    EXPECT_EQ(prompts.fileProposed[0], "12345AtnCal.txt");
    EXPECT_EQ(prompts.fileFilters[0], "Text Files (*.txt)|*.txt|All Files (*.*)|*.*");

    touch(unitFolder + "/12345PwrCal.txt");
    prompts.fileAnswers << unitFolder + "/12345PwrCal1.txt";
    EXPECT_EQ(GetSaveAsFileName(c, 2), unitFolder + "/12345PwrCal1.txt");
    EXPECT_EQ(prompts.fileProposed[1], "12345PwrCal1.txt");
    EXPECT_EQ(files.CalFilePath, unitFolder);
    EXPECT_EQ(files.DialogFolder, unitFolder);

    prompts.fileAnswers << tmp.filePath("elsewhere/t.txt");
    EXPECT_EQ(GetFileNameToOpen(c, 1), tmp.filePath("elsewhere/t.txt"));
    EXPECT_EQ(prompts.fileFolders[2], unitFolder);
    EXPECT_EQ(files.CalFilePath, tmp.filePath("elsewhere"));

    // No part or serial number: the calibration-files folder itself; other types no name part.
    CalDialogContext bare{prompts, folders, files, "", "12345"};
    EXPECT_EQ(GetSaveAsFileName(bare, 7), "");
    EXPECT_EQ(prompts.fileFolders[3], folders.calFilesFolder());
    EXPECT_EQ(prompts.fileProposed[3], "12345.txt");
}
