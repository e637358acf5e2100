#pragma once
// The program-wide state: one object created by main() (or by a test with fakes) and
// handed by reference to the windows and modules that use it.
#include "commands/UnitState.h"
#include "files/FilesState.h"
#include "link/ConnectionState.h"
#include "link/OVLink.h"
#include "status/DisplayState.h"
#include <QString>
#include <array>
#include <functional>

class ISerialControl;
class ITcpSocket;
class IClock;
class IPrompts;
class ISettingsStore;
class IShell;
class Folders;
class IUdpSocket;

struct Platform {
    ISerialControl* serial = nullptr;
    ITcpSocket* tcp = nullptr;
    IClock* clock = nullptr;
    IPrompts* prompts = nullptr;
    ISettingsStore* settings = nullptr;
    IShell* shell = nullptr;
    const Folders* folders = nullptr;
    IUdpSocket* udp = nullptr;     // the unit locator's socket
};

// What the link needs of the main window, without including it.
struct WindowHooks {
    // The TCP link was found dropped; called after the window reset below has run.
    std::function<void()> tcpLinkDropped;

    // The window's parts of the TCP connection procedures (TcpConnection.h).
    std::function<void(bool on)> setPollTimer;              // Timer1 on or off
    std::function<void()> runPollTick;                      // Timer1_Timer, once
    std::function<void()> clearAndDisableWindow;            // ClearForm, then DisableForm
    std::function<void(const QString&)> setConnectCaption;  // btnConnect's caption
    std::function<void(bool)> enableConnectButton;          // btnConnect enabled
    std::function<void(bool)> enableConnectMenu;            // mnuConnect enabled
};

struct Program {
    explicit Program(const Platform& pf);

    Platform platform;
    OVLink LinkObject;
    ConnectionState conn;
    TcpLinkState tcp;
    TransactionState txn;
    std::array<QString, 11> ReplyFields;   // reply fields of the multi-value queries
    UnitState unit;                        // identity, option flags and unit values
    DisplayState display;                  // what the window shows and how
    FilesState files;                      // folders and file choices
    WindowHooks hooks;
    LinkDialogState linkDialogs;           // serial-port dialog and locator results
};
