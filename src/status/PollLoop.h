#pragma once
// The poll: every tick of Timer1 sends the status query and refreshes the window; a connection
// over TCP has its first read on its first tick; three failed polls in a row drop the link.
#include <QtGlobal>

class FeatureReads;
class FirstRead;
class QAction;
class QLineEdit;
class QPushButton;
class QTimer;
class Readings;
class StatusPanels;
class SubBands;
class WindowStates;
struct CommandContext;
struct frmMainUi;

class PollLoop {
public:
    // The controls it reads and writes.
    struct Controls {
        QLineEdit* txtDateTime = nullptr;
        QPushButton* btnConnect = nullptr;
        QAction* mnuConnect = nullptr;
        QAction* mnuAdvSrch = nullptr;
    };
    PollLoop(CommandContext& p, const frmMainUi& controls, QTimer& Timer1, FirstRead& firstRead, WindowStates& states,
             StatusPanels& panels, Readings& readings, FeatureReads& features, SubBands& bands);
    void Timer1_Timer();
    // One poll; true when the status query was answered.
    bool UpdateStatus();
    // Answered polls since the last readings tick and since the last clock tick.
    qint16 ReadingsTickCount = 0;
    qint16 ClockTickCount = 0;
    // The window's reset when the link is found lost: as after a Disconnect, with the
    // connect button and menus ready for the next connect.
    void dropLostLink();

private:
    CommandContext& p;
    QTimer& Timer1;
    FirstRead& firstRead_;
    WindowStates& states_;
    StatusPanels& panels_;
    Readings& readings_;
    FeatureReads& features_;
    SubBands& bands_;
    Controls ui;
    void runTcpFirstRead();
    void readingsTick();
    void clockTick();
    bool pollRunning_ = false;
};
