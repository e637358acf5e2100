// The main window's calibration-table file dialogs, on its part and serial number boxes.
#include "app/Program.h"
#include "app/frmMain.h"
#include "files/FileNames.h"
#include <QLineEdit>

namespace {
CalDialogContext dialogContext(Program& p, const frmMainUi& ui)
{
    return {p.platform.prompts, p.platform.folders, p.files, ui.txtPN->text(), ui.txtSN->text()};
}
}   // namespace

QString frmMain::GetUnitFolderName() const { return BuildUnitFileName(ui.txtPN->text(), ui.txtSN->text()); }

QString frmMain::GetFileNameToOpen(qint16 fileType)
{
    CalDialogContext c = dialogContext(p, ui);
    return ::GetFileNameToOpen(c, fileType);
}

QString frmMain::GetSaveAsFileName(qint16 fileType)
{
    CalDialogContext c = dialogContext(p, ui);
    return ::GetSaveAsFileName(c, fileType);
}
