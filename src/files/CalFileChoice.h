#pragma once
// The calibration-table file dialogs on the unit's part and serial number boxes.
#include <QString>

class QLineEdit;
struct Program;
struct frmMainUi;

class CalFileChoice {
public:
    // The controls it reads and writes.
    struct Controls {
        QLineEdit* txtPN = nullptr;
        QLineEdit* txtSN = nullptr;
    };
    CalFileChoice(Program& p, const frmMainUi& controls);
    // the chosen path or "" on Cancel. File type 1 attenuator table, 2 forward RF power table.
    QString GetUnitFolderName() const;
    QString GetFileNameToOpen(qint16 fileType);
    QString GetSaveAsFileName(qint16 fileType);

private:
    Program& p;
    Controls ui;
};
