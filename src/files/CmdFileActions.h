#pragma once
// The configuration command file of the connected unit: saving, replay and their File menu entries.
#include <functional>
#include <QString>

class QLineEdit;
class QPushButton;
class QTimer;
struct CommandContext;
struct FilesState;
struct frmMainUi;

class CmdFileActions {
public:
    // The controls it reads and writes.
    struct Controls {
        QLineEdit* txtSN = nullptr;
        QPushButton* btnConnect = nullptr;
    };
    // clickConnect is the connect button's click, which reads the unit again after a replay.
    CmdFileActions(CommandContext& p, FilesState& files, const frmMainUi& controls, QTimer& Timer1,
                   std::function<void()> clickConnect);
    // Writes the file of the connected unit; true when it was written whole.
    bool SaveCmdFile(const QString& path);
    // Replays a file into the unit; true when at least one command line was sent.
    bool LoadCmdFile(const QString& path);
    void mnuSaveAs_Click();     // "Save Unit Cfg..."
    void mnuLoadFile_Click();   // "Load Cfg File..."
    // Called with each section writer's name before it runs (tests).
    std::function<void(const char* section)> onCmdFileSection;

private:
    CommandContext& p;
    FilesState& files_;
    const frmMainUi& window_;
    QTimer& Timer1;
    std::function<void()> clickConnect_;
    Controls ui;
};
