#pragma once
// The main window's choice of where the link goes: the PC serial port and its line settings,
// the unit's IP address and TCP port, and the unit locator.
#include <array>
#include <functional>

class QAction;
class QMenu;
class QTimer;
class QWidget;
struct LinkContext;
struct frmMainUi;

class TargetMenus {
public:
    // The controls it reads and writes.
    struct Controls {
        QAction* mnuAdvSrch = nullptr;
        QMenu* mnuCom = nullptr;
        std::array<QAction*, 10> mnuComPort{};
        QAction* mnuPollEn = nullptr;
        QAction* mnuPollAdrs = nullptr;
        QAction* mnuUseEnet = nullptr;
        QAction* mnuEnterIP = nullptr;
        QAction* mnuEthPort = nullptr;
    };
    TargetMenus(LinkContext& p, const frmMainUi& controls, QWidget& window, QTimer& Timer1,
                std::function<void()> clearForm);
    void mnuComPort_Click(int index);   // entry index 0..9 of mnuComPort
    bool SetupSerialPort(int portNumber);
    void ClearComChecks();
    bool ConfigPort(int portNumber);   // true when the port or its settings changed
    void BuildComPortList();           // shows the COM entries of the ports that exist
    void mnuPortScan_Click();          // "Scan for Serial Ports"
    void mnuEnterIP_Click();
    void mnuEthPort_Click();
    void mnuLocateIP_Click();
    void InitDefaultComPort();
    // The "IP Address:" and "Ethernet Port:" captions show the target the next Connect uses.
    void ShowTcpTarget();

private:
    LinkContext& p;
    QWidget& window_;
    QTimer& Timer1;
    std::function<void()> clearForm_;
    Controls ui;
};
