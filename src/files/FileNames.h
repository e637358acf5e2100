#pragma once
// Per-unit file and folder names, free file names, the calibration-files folder and the
// file dialogs of the calibration tables.
#include <QString>

class Folders;
class IPrompts;
struct FilesState;

// Unit text made safe inside a file or folder name: "/", "\", "..", ":" and control
// characters become "_". A normal serial or part number is unchanged.
QString SafeFileNamePart(const QString& text);

// "" when either text is empty; a 12-character id keeps its last 8 characters. The
// result is made safe with SafeFileNamePart.
QString BuildUnitFileName(const QString& id, const QString& suffix);

// The calibration-files folder, or its sub-folder of that name ("" the folder itself),
// made when missing (silently; a failure is not reported). When the path is taken by a
// file or cannot be examined: calFilePath when usable, else the home folder + sub-folder.
QString GetCalFilesFolder(const Folders& folders, const QString& calFilePath, const QString& subFolder);

// base + extension, else base + "1" + extension, base + "2" + extension, ... the first that
// does not exist; "" when none is free below 32767.
QString GetFreeFileName(const QString& base, const QString& extension);
// GetFreeFileName with ".txt".
QString GetFreeTxtFileName(const QString& base);

// The filter of every text-file dialog.
inline const char* const kTextFileFilter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*";

// What the calibration-table dialogs need: the prompts, the folders, the shared dialog
// state and the unit's part and serial number (the window's txtPN and txtSN).
struct CalDialogContext {
    IPrompts& prompts;
    const Folders& folders;
    FilesState& files;
    QString partNumber;
    QString serialNumber;
};

// Default name part per file type: 1 "AtnCal", 2 "PwrCal", else none.
QString CalFileNamePart(int fileType);
QString GetUnitFolderName(const CalDialogContext& c);
// The chosen path, or "" on Cancel (CalFilePath then stays as it was). On a choice
// CalFilePath becomes the chosen file's folder.
QString GetFileNameToOpen(CalDialogContext& c, int fileType);
QString GetSaveAsFileName(CalDialogContext& c, int fileType);
