#include "transfers/frmCalFactors.h"
#include "commands/CommandContext.h"
#include "commands/ConfigProductQueries.h"
#include "files/CmdFileSections.h"
#include "files/FileIO.h"
#include "files/FileNames.h"
#include "link/SharedRoutines.h"
#include "platform/Folders.h"
#include "platform/Prompts.h"
#include "transfers/CalFactorTable.h"
#include <QLineEdit>
#include <QPushButton>

namespace {
// Where the save dialog starts.
QString startFolder(const Folders& folders)
{
#ifdef Q_OS_WIN
    Q_UNUSED(folders);
    return QStringLiteral("C:\\temp");
#else
    return folders.dataFolder();
#endif
}
}   // namespace

frmCalFactors::frmCalFactors(CommandContext& p, QWidget* parent) : QDialog(parent), p_(p)
{
    ui.setupUi(this);
    connect(ui.btnSaveTable, &QPushButton::clicked, this, &frmCalFactors::btnSaveTable_Click);
    connect(ui.btnOK, &QPushButton::clicked, this, &frmCalFactors::btnOK_Click);
    connect(ui.btnClose, &QPushButton::clicked, this, &frmCalFactors::btnClose_Click);
    Form_Load();
}

void frmCalFactors::Form_Load()
{
    ClearCalFactorBoxes();
    ShowCalFactorTable();
}

void frmCalFactors::ClearCalFactorBoxes()
{
    for (int i = 0; i < frmCalFactorsUi::Rows; ++i) {
        ui.txtCFFrq[i]->clear();
        ui.txtCFdB[i]->clear();
    }
}

void frmCalFactors::ShowCalFactorTable()
{
    const std::optional<QString> text = SsaCmds::QueryCalFactorText(p_);
    // A table that could not be read is no empty table: the operator is told, and nothing
    // offers to save it.
    tableRead_ = text.has_value();
    ui.btnSaveTable->setEnabled(tableRead_);
    if (!tableRead_) {
        p_.platform.prompts.message(QStringLiteral("The cal-factor table could not be read from the unit."),
                                    QStringLiteral("Cal Factors"), PromptIcon::Exclamation);
        return;
    }
    const CalFactorRows rows = ParseCalFactorTable(*text);
    for (int i = 0; i < frmCalFactorsUi::Rows; ++i) {
        if (!rows[i])
            continue;
        ui.txtCFFrq[i]->setText(rows[i]->frequency);
        ui.txtCFdB[i]->setText(rows[i]->calFactor);
    }
}

QString frmCalFactors::GetCalFactorFileName()
{
    return p_.platform.prompts.saveFile(QStringLiteral("Save As"), startFolder(p_.platform.folders),
                                        QString::fromLatin1(kTextFileFilter),
                                        CalFactorFileName(p_.unit.id.UnitSerialNo));
}

void frmCalFactors::btnSaveTable_Click()
{
    if (!tableRead_)
        return;
    FileIO io(&p_.platform.clock);
    const QString path = GetCalFactorFileName();
    io.setUnitSerialNumber(CleanUnitValue(p_.unit.id.UnitSerialNo));
    if (!io.OpenCalFactorFile(path, false))
        return;
    for (int i = 0; i < frmCalFactorsUi::Rows; ++i)
        io.AddRecordLine(CalFactorFileLine(ui.txtCFFrq[i]->text(), ui.txtCFdB[i]->text()));
    if (!io.CloseFile())
        return;   // not written whole: the old file stays, the editor is not started
    ShellOpen(p_.platform.shell, path);
}

void frmCalFactors::btnOK_Click() { accept(); }

void frmCalFactors::btnClose_Click() { reject(); }
