#pragma once
class ConsoleCommandBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

// Controls of the command console.
struct frmCmdLineUi {
    QLabel* Label1 = nullptr;              // "Command:"
    ConsoleCommandBox* cmbCmd = nullptr;   // the entry; its list is the history
    QListWidget* List1 = nullptr;          // the replies
    QPushButton* btnClose = nullptr;       // "Close"

    void setupUi(QWidget* window);
};
