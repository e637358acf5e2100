#pragma once
// What the link layer works on: the platform services, the serial link object, the two
// transports, the connection and transaction state, and the hooks into the window that
// owns them.
#include "link/ConnectionState.h"
#include "link/DeferredActions.h"
#include "link/OVLink.h"
#include "link/SerialTransport.h"
#include "link/TcpTransport.h"
#include <QString>
#include <functional>

class ISerialControl;
class ITcpSocket;
class IClock;
class IPrompts;
class ISettingsStore;
class IShell;
class Folders;
class IUdpSocket;
class IProgress;
class ISystemInfoTool;

// Every service is there: a program or test that needs none of one gives a stand-in.
struct Platform {
    ISerialControl& serial;
    ITcpSocket& tcp;
    IClock& clock;
    IPrompts& prompts;
    ISettingsStore& settings;
    IShell& shell;
    const Folders& folders;
    IUdpSocket& udp;            // the unit locator's socket
    IProgress& progress;        // the long transfers' indicator with Cancel
    ISystemInfoTool& sysInfo;   // the About box's system-information tool
};

// What the link needs of the main window, without including it.
struct WindowHooks {
    // The TCP link was found dropped; called after the window reset below has run.
    std::function<void()> tcpLinkDropped;

    // The window's parts of the TCP connection procedures (TcpConnection.h).
    std::function<void(bool on)> setPollTimer;     // Timer1 on or off
    std::function<bool()> pollTimerActive;         // Timer1 is running
    std::function<void()> runPollTick;             // Timer1_Timer, once
    std::function<void()> clearAndDisableWindow;   // ClearForm, then DisableForm
    // The connect button and menus ready for the next connect: "Connect", the Connect menu on
    // and, over the serial line unless one address is polled, the search menus.
    std::function<void(bool overSerial)> showReadyToConnect;
    std::function<void(bool)> enableConnectButton;   // btnConnect enabled
    // A unit was reached and its connection begins (BeginUnitConnection): everything the
    // program kept of the last unit is forgotten, so none of it can stand for this one's.
    std::function<void()> forgetUnit;
};

struct LinkContext {
    explicit LinkContext(const Platform& pf);
    LinkContext(const LinkContext&) = delete;
    LinkContext& operator=(const LinkContext&) = delete;

    Platform platform;
    // The long transfers' indicator: the platform's, or a dialog's in its place (ProgressInPlace).
    IProgress* progressInUse = &platform.progress;
    OVLink LinkObject;
    SerialTransport serialTransport{LinkObject};
    TcpTransport tcpTransport{*this};
    // When set, carries every command whatever the link (a test's scripted unit).
    UnitTransport* transportStandIn = nullptr;
    ConnectionState conn;
    TransactionState txn;
    WindowHooks hooks;
    LinkDialogState linkDialogs;   // serial-port dialog and locator results
    int PollPauseDepth = 0;        // poll pauses alive (see PollPause)
    DeferredActions deferred;      // operator actions waiting for the link (DeferredActions.h)
};
