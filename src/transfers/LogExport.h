#pragma once
// Downloaded logs shown to the operator: each file in the desktop's text editor, or all of
// them as the sheets of one new workbook opened in the desktop's spreadsheet program.
#include <QString>
#include <QStringList>

struct CommandContext;

// Opens the named files of the data folder in the text editor, one after the other, empty
// names skipped; stops silently at the first the desktop refuses.
void OpenLogsInNotepad(CommandContext& p, const QStringList& names);

// One sheet per named log of the data folder that exists, in the list's order, written into
// a new workbook in the data folder and opened in the spreadsheet program. A writer error or
// a refusal of the desktop shows "File Error". The workbook's path when it was opened, else
// "" (also when no log gave a sheet: then no workbook is made).
QString ExportLogsToExcel(CommandContext& p, const QStringList& names);

// The path of a new workbook in `folder`: the serial number made safe and "Logs.xlsx",
// else "Logs1.xlsx", "Logs2.xlsx", ... the first that is free; "" when none is.
QString FreeWorkbookPath(const QString& folder, const QString& serialNo);

// The error number shown when the desktop opened no program for the workbook.
constexpr int WorkbookNotOpenedError = 429;
