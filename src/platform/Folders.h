#pragma once
#include <QString>
#include <QStringList>

// Where the program keeps its files. On Windows the fixed folders; elsewhere the data folder
// lies under the user's data folder and the calibration folder under the home folder.
// Both roots can be given (tests, lab setups).
class Folders {
public:
    Folders();   // the platform's roots
    Folders(const QString& dataRoot, const QString& calRoot);

    // The data folder's chain, outermost first; the last entry is the data folder itself.
    QStringList dataFolderChain() const { return dataChain_; }
    QString dataFolder() const { return dataChain_.last(); }
    QString calFilesFolder() const { return calFolder_; }
    // The home folder the calibration folder lies under (the drive root on Windows).
    QString homeFolder() const { return home_; }

private:
    QStringList dataChain_;
    QString calFolder_;
    QString home_;
};
