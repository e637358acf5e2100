#pragma once
// The simulated unit's TCP side: a server on 127.0.0.1 with an ephemeral port, serving in
// the thread that created it (the program's TCP wait lets that thread's events run). Each
// request block STX address command ETX "M" CR LF gets one reply line from its SimUnit,
// ACK address data ETX CR, shaped by the command's behaviour: delayed, split into pieces,
// followed by more bytes in the same write, NAKed, silent, cut short, stray bytes first,
// or the connection dropped.
#include "support/SimUnit.h"
#include <QByteArrayList>
#include <QHash>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

class SimUnitTcp : public QObject {
    Q_OBJECT
public:
    explicit SimUnitTcp(SimUnit& unit, QObject* parent = nullptr);
    ~SimUnitTcp() override;

    // Listens on 127.0.0.1 (or another loopback address), on `port` or an ephemeral one;
    // false when the port could not be had.
    bool listen(const QHostAddress& address = QHostAddress(QHostAddress::LocalHost), quint16 port = 0);
    quint16 port() const { return server_.serverPort(); }
    // Ends every connection from the unit's side.
    void dropConnections();
    void stopListening() { server_.close(); }   // its port refuses connections from here on
    int openConnections() const { return static_cast<int>(buffers_.size()); }

    QByteArrayList requests;   // raw request blocks, in order
    int connectionsAccepted = 0;

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void serve(QTcpSocket* socket, char address, const QByteArray& command);
    void writePieces(QTcpSocket* socket, QByteArrayList pieces, int gapMs);

    SimUnit& unit_;
    QHash<QTcpSocket*, QByteArray> buffers_;   // open connections and their unread input
    QTcpServer server_;
};
