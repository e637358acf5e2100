#pragma once
// The calibration-table file dialogs on the unit's part and serial number boxes.
#include <QString>

class QLineEdit;
struct FilesState;
struct LinkContext;
struct frmMainUi;

class CalFileChoice {
public:
    // The controls it reads and writes.
    struct Controls {
        QLineEdit* txtPN = nullptr;
        QLineEdit* txtSN = nullptr;
    };
    CalFileChoice(LinkContext& p, FilesState& files, const frmMainUi& controls);
    // the chosen path or "" on Cancel. File type 1 attenuator table, 2 forward RF power table.
    QString GetUnitFolderName() const;
    QString GetFileNameToOpen(qint16 fileType);
    QString GetSaveAsFileName(qint16 fileType);

private:
    LinkContext& p;
    FilesState& files_;
    Controls ui;
};
