#include "transfers/LogExport.h"
#include "commands/CommandContext.h"
#include "files/FileNames.h"
#include "link/SharedRoutines.h"
#include "platform/Folders.h"
#include "platform/Prompts.h"
#include "transfers/LogCsv.h"
#include "transfers/LogSheet.h"
#include "transfers/XlsxWorkbook.h"

namespace {
QString dataPath(const CommandContext& p, const QString& name)
{
    return p.platform.folders.dataFolder() + QLatin1Char('/') + name;
}

void fileErrorBox(IPrompts& prompts, const WorkbookError& e)
{
    prompts.message(QStringLiteral("Error No.: ") + QString::number(e.number) + QStringLiteral("\r\n") + e.text,
                    QStringLiteral("File Error"), PromptIcon::Exclamation);
}

std::vector<logsheet::SheetLayout> logSheets(const CommandContext& p, const QStringList& names)
{
    const QString serialNo = p.unit.id.UnitSerialNo;
    const QStringList identity{QStringLiteral("SN: ") + serialNo, QStringLiteral("IP Adr: ") + p.conn.UnitIPAddress,
                               QStringLiteral("RS485 Adr: ") + p.LinkObject.DeviceAddress()};
    std::vector<logsheet::SheetLayout> sheets;
    for (const QString& name : names) {
        if (name.isEmpty())
            continue;
        const QString csv = ReadLogFileAsCsv(dataPath(p, name), GetLogType(name, serialNo), p.unit.id);
        if (!csv.isEmpty())
            sheets.push_back(logsheet::LayOutLogSheet(GetLogTitle(name, serialNo), identity, csv));
    }
    return sheets;
}
}   // namespace

void OpenLogsInNotepad(CommandContext& p, const QStringList& names)
{
    for (const QString& name : names)
        if (!name.isEmpty() && !ShellOpen(p.platform.shell, dataPath(p, name)))
            return;
}

QString ExportLogsToExcel(CommandContext& p, const QStringList& names)
{
    const std::vector<logsheet::SheetLayout> sheets = logSheets(p, names);
    if (sheets.empty())
        return QString();
    QString path = FreeWorkbookPath(p.platform.folders.dataFolder(), p.unit.id.UnitSerialNo);
    if (const auto error = WriteWorkbook(path, sheets)) {
        fileErrorBox(p.platform.prompts, *error);
        return QString();
    }
    if (!ShellOpen(p.platform.shell, path)) {
        fileErrorBox(p.platform.prompts,
                     {WorkbookNotOpenedError, QStringLiteral("No program opened the workbook ") + path});
        return QString();
    }
    return path;
}

QString FreeWorkbookPath(const QString& folder, const QString& serialNo)
{
    return GetFreeFileName(folder + QLatin1Char('/') + SafeFileNamePart(serialNo) + QStringLiteral("Logs"),
                           QStringLiteral(".xlsx"));
}
