#pragma once
// The configuration command file of the connected unit: saving, replay and their File menu entries.
#include <QList>
#include <functional>
#include <QString>

class FileIO;
class QLineEdit;
class QPushButton;
class QTimer;
struct CmdFileOrigin;
struct CommandContext;
struct FilesState;
struct ReplayLine;
struct frmMainUi;

class CmdFileActions {
public:
    // The controls it reads and writes.
    struct Controls {
        QLineEdit* txtSN = nullptr;
        QPushButton* btnConnect = nullptr;
    };
    // clickConnect is the connect button's click, which reads the unit again after a replay;
    // dropLostLink the window's reset when a save finds the unit gone (as after failed polls).
    CmdFileActions(CommandContext& p, FilesState& files, const frmMainUi& controls, QTimer& Timer1,
                   std::function<void()> clickConnect, std::function<void()> dropLostLink = {});
    // Writes the file of the connected unit; true when it was written whole.
    bool SaveCmdFile(const QString& path);
    // Replays a file into the unit; true when at least one command line was sent.
    bool LoadCmdFile(const QString& path);
    void mnuSaveAs_Click();     // "Save Unit Cfg..."
    void mnuLoadFile_Click();   // "Load Cfg File..."
    // Called with each section writer's name before it runs (tests).
    std::function<void(const char* section)> onCmdFileSection;

private:
    // A file of another model is sent only when the operator says so.
    // Runs the section writers into the open file; false when the link was lost at any of
    // their queries, the last included.
    bool writeSections(FileIO& io);
    // The link is gone under a connection still counted as up (the TCP connection closed, the
    // serial device vanished): the connection is ended as the next command would find it.
    bool linkFoundGone();
    bool sendOtherModelFile(const CmdFileOrigin& origin);
    // Sends the commands in order; reports refused lines and where a loss or Cancel stopped it.
    bool replay(const QList<ReplayLine>& commands);

    CommandContext& p;
    FilesState& files_;
    const frmMainUi& window_;
    QTimer& Timer1;
    std::function<void()> clickConnect_;
    std::function<void()> dropLostLink_;
    Controls ui;
};
