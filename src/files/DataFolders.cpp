#include "files/DataFolders.h"
#include "platform/Folders.h"
#include "platform/Prompts.h"
#include <QDir>
#include <QFileInfo>

bool InitDataDirectory(const Folders& folders, IPrompts& prompts)
{
    if (QFileInfo(folders.dataFolder()).isDir())
        return true;
    for (const QString& folder : folders.dataFolderChain()) {
        if (QFileInfo(folder).isDir())
            continue;
        if (QFileInfo::exists(folder) || !QDir().mkdir(folder)) {
            prompts.message(QStringLiteral("Error Creating Folder"), QStringLiteral("File I/O Error"),
                            PromptIcon::None);
            return false;
        }
    }
    return true;
}
