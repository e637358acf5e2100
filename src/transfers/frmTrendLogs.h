#pragma once
#include "transfers/DialogProgress.h"
#include "ui/frmTrendLogsUi.h"
#include <QDialog>

class LogDownloads;
struct CommandContext;

// The trend-log dialog: the short- or long-term log over the chosen range is downloaded
// into its file, with the records stored on the dialog's bar, and opened in the text
// editor. While it downloads only Cancel is active; Cancel (or closing the dialog) stops
// after the current page, and no file is written or opened.
class frmTrendLogs : public QDialog {
    Q_OBJECT
public:
    frmTrendLogs(CommandContext& p, LogDownloads& logs, QWidget* parent = nullptr);

    frmTrendLogsUi ui;
    int TrendRecordCount = 0;

    void optShortTermLog_Click();
    void optLongTermLog_Click();
    void ComputeRecordCount();
    int ShortTermRecordCount() const;
    int LongTermRecordCount() const;
    QString SaveTrendLog();
    void btnOK_Click();
    void btnCancel_Click();

    void reject() override;

private:
    void Form_Load();
    void FillHoursList();
    void FillRangeList();
    void enableInputs(bool enabled);

    CommandContext& p_;
    LogDownloads& logs_;
    bool downloading_ = false;
    DialogProgress progress_;
};
