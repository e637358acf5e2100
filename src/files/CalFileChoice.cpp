// The main window's calibration-table file dialogs, on its part and serial number boxes.
#include "link/LinkContext.h"
#include "files/FilesState.h"
#include "files/CalFileChoice.h"
#include "ui/frmMainUi.h"
#include "files/FileNames.h"
#include <QLineEdit>

namespace {
CalDialogContext dialogContext(LinkContext& p, FilesState& files, const QLineEdit& txtPN, const QLineEdit& txtSN)
{
    return {p.platform.prompts, p.platform.folders, files, txtPN.text(), txtSN.text()};
}
}   // namespace

CalFileChoice::CalFileChoice(LinkContext& p, FilesState& files, const frmMainUi& controls)
    : p(p), files_(files), ui{.txtPN = controls.txtPN, .txtSN = controls.txtSN}
{
}

QString CalFileChoice::GetUnitFolderName() const { return BuildUnitFileName(ui.txtPN->text(), ui.txtSN->text()); }

QString CalFileChoice::GetFileNameToOpen(qint16 fileType)
{
    CalDialogContext c = dialogContext(p, files_, *ui.txtPN, *ui.txtSN);
    return ::GetFileNameToOpen(c, fileType);
}

QString CalFileChoice::GetSaveAsFileName(qint16 fileType)
{
    CalDialogContext c = dialogContext(p, files_, *ui.txtPN, *ui.txtSN);
    return ::GetSaveAsFileName(c, fileType);
}
