#pragma once
#include <QString>
#include <optional>
#include <QStringList>

class CommandWatch;
class UnitTransport;

// Connection state shared by the link, the connect road and the poll.
struct ConnectionState {
    bool UseEnet = false;   // commands go over TCP instead of the serial line
    QString UnitIPAddress = QStringLiteral("10.0.0.254");
    qint32 EnetPort = 2000;
    qint16 PollAddress = 65;   // character code of the single poll address
    bool RemoteMode = false;
    bool FormUpdating = false;   // code is filling the controls: change handlers do nothing
    bool AbortScan = false;
    bool EnetFirstReadPending = false;
    bool FirstReadDone = false;
    qint16 PollRetriesLeft = 2;

    // Connecting and the serial unit search.
    bool ExtendedSearch = false;     // the next search covers "A" to "F"
    bool AdvancedSearch = false;     // the next search covers "A" to "Z"
    QStringList CommSettingsTable;   // line settings of the search, ended by an empty text
    bool ShuttingDown = false;       // the window is closing: nothing is sent, waits end
    // The connect procedure is waiting for the socket and reports a failure itself: the
    // error event shows no box of its own for it.
    bool ConnectWaitRunning = false;
    // The connect event ran inside that wait: a connection was made, even if it is lost again.
    bool ConnectionMadeInWait = false;
};

// The one command transaction in progress, and the connection it belongs to.
struct TransactionState {
    bool InFlight = false;              // a transaction is waiting for its reply
    UnitTransport* Carrier = nullptr;   // the link that carried the last transaction (its reply is read)
    CommandWatch* Watch = nullptr;      // the long procedure whose commands are watched (CommandWatch.h)
    bool ConnectedOverEnet = false;     // the link the current connection was made on
    quint64 ConnectionId = 0;           // bumped whenever a connection ends or begins
    // The connection a running first read or poll belongs to (see ConnectionWatch); once
    // it has ended, commands are not sent.
    std::optional<quint64> BoundConnection;
    bool LinkUp = false;   // a connection is up: commands go over ConnectedOverEnet's link
    // A connect is running (the search, the single probe, the TCP wait and the first read):
    // until it ends its commands stay on the link it began on, whatever "Use Ethernet" shows.
    bool Connecting = false;
    bool ConnectingOverEnet = false;
};

// Hand-over between the main window and its link dialogs: the PC serial-port dialog and
// the unit locator.
struct LinkDialogState {
    qint16 ComDialogPort = 1;       // the port the serial-port dialog is about (1..10)
    QString ComDialogSettings;      // line settings in and out; "" after Cancel
    QString LocatedIPAddress;       // the unit picked in the locator; "" = none
    qint32 LocatedTcpPort = 2000;   // its TCP port, 1..65535
};
