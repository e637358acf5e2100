#pragma once
// The main window's connection to the unit: the connect button and menus, the connect with
// its three roads (TCP, one saved serial address, the serial search), and disconnecting.
#include <QString>

#include <functional>

class HandlerDepth;
class QString;
class QAction;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;
struct CommandContext;
struct frmMainUi;

class UnitConnection {
public:
    // The controls it reads and writes.
    struct Controls {
        QPushButton* btnConnect = nullptr;
        QLabel* sbStatusBarPanel1 = nullptr;
        QAction* mnuConnect = nullptr;
        QAction* mnuExtSrch = nullptr;
        QAction* mnuAdvSrch = nullptr;
        QAction* mnuPollEn = nullptr;
        QAction* mnuUseEnet = nullptr;
    };
    // What the connection needs of the window above it.
    struct WindowSteps {
        std::function<void()> clearForm;
        std::function<void()> disableForm;
        std::function<void()> firstTimeRead;
        std::function<bool()> firstReadRunning;
        std::function<void()> showConnectedWindow;
    };
    UnitConnection(CommandContext& p, const frmMainUi& controls, QWidget& window, QTimer& Timer1, HandlerDepth& busy,
                   WindowSteps steps);

    void btnConnect_Click();   // acts by the caption: "Connect", "Terminate", "Disconnect"
    void mnuConnect_Click();
    void mnuExtSrch_Click();
    void mnuAdvSrch_Click();
    void ConnectToUnit();
    bool UnitFoundOnSerialPort();
    void DisconnectFromUnit();
    void DisplayStatusMsg(const QString& text);   // first panel of the status bar
    // Stops polling and leaves the window cleared, disabled and ready to connect again.
    void disconnectWindow();
    // The connect button and menus ready for the next connect, whoever ended the last one:
    // "Connect" and the Connect menu on; over the serial line, unless one address is polled,
    // the search menus too.
    void ShowReadyToConnect(bool overSerial);
    // The operator stopped the first read: the connection ends, and a TCP connect that was
    // waiting for it shows no failure.
    void stopFirstRead();

private:
    CommandContext& p;
    QWidget& window_;
    QTimer& Timer1;
    HandlerDepth& busy_;
    WindowSteps steps_;
    Controls ui;
    bool connectRunning_ = false;
    bool firstReadStopped_ = false;   // the operator stopped the last first read
    void connectOverTcp();
    void unitFoundOnSerialLine();
    bool connectionOverEnet() const;
};
