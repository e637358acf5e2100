#pragma once
#include "transfers/DialogProgress.h"
#include "ui/frmLogsUi.h"
#include <QDialog>
#include <QStringList>

class LogDownloads;
struct CommandContext;

// The log selection dialog: the ticked parameter logs and the fault log are downloaded one
// after the other into their files, then shown in the text editor or as the sheets of one
// workbook. While it downloads only Cancel is active; Cancel (or closing the dialog) stops
// after the current page, and nothing more is downloaded, written or shown.
class frmLogs : public QDialog {
    Q_OBJECT
public:
    frmLogs(CommandContext& p, LogDownloads& logs, QWidget* parent = nullptr);

    frmLogsUi ui;
    bool UseExcel = false;

    void chkAll_Click();
    void optExcel_Click();
    void optNotepad_Click();
    void Command1_Click();   // OK
    void Command2_Click();   // Cancel

    void reject() override;

private:
    void Form_Load();
    // The names of the files written, in the order of the boxes; stops early at Cancel or
    // when the connection ends (then nothing is to be shown: `stopped`).
    QStringList downloadTicked(bool& stopped);
    void enableInputs(bool enabled);

    CommandContext& p_;
    LogDownloads& logs_;
    bool downloading_ = false;
    DialogProgress progress_;
};
