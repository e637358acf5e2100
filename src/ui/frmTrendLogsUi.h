#pragma once
class QComboBox;
class QDialog;
class QGroupBox;
class QProgressBar;
class QPushButton;
class QRadioButton;

// Controls of the trend-log dialog: which log, its range (one list per log, in the same
// place), the download's bar, OK and Cancel.
struct frmTrendLogsUi {
    QGroupBox* Frame1 = nullptr;   // "Log Type"
    QRadioButton* optShortTermLog = nullptr;
    QRadioButton* optLongTermLog = nullptr;
    QGroupBox* Frame2 = nullptr;            // "Select Range"
    QComboBox* cmbHours = nullptr;          // the short-term log's range
    QComboBox* cmbDays = nullptr;           // the long-term log's range
    QProgressBar* ProgressBar1 = nullptr;   // records stored, hidden until OK
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    void setupUi(QDialog* dialog);
};
