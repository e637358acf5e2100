#include "files/DataFolders.h"
#include "platform/Folders.h"
#include "platform/Prompts.h"
#include <QDir>
#include <QFileInfo>

bool InitDataDirectory(const Folders& folders, IPrompts& prompts)
{
    if (QFileInfo(folders.dataFolder()).isDir())
        return true;
    const QStringList chain = folders.dataFolderChain();
    for (int i = 0; i < chain.size(); ++i) {
        const QString& folder = chain[i];
        if (QFileInfo(folder).isDir())
            continue;
        // The outermost folder is the platform's own (a user's data folder may not exist
        // yet on a fresh account): make it with its parents; ours are made one by one.
        const bool made = i == 0 ? QDir().mkpath(folder) : QDir().mkdir(folder);
        if (!made || !QFileInfo(folder).isDir()) {
            prompts.message(QStringLiteral("Error Creating Folder"), QStringLiteral("File I/O Error"),
                            PromptIcon::None);
            return false;
        }
    }
    return true;
}
