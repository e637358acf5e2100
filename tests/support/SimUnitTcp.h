#pragma once
// The simulated unit's TCP side: a server on 127.0.0.1 with an ephemeral port, in the
// test's own thread (the program's TCP wait lets its events run). Each request block
// STX address command ETX "M" CR LF gets one reply line ACK address data ETX CR, shaped
// by the profile's behaviour: delayed, split into pieces, NAKed, silent, or the
// connection dropped.
#include "support/SimUnitProfile.h"
#include <QByteArrayList>
#include <QHash>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

class SimUnitTcp : public QObject {
    Q_OBJECT
public:
    explicit SimUnitTcp(SimUnitProfile profile = twtaProfile(), QObject* parent = nullptr);
    ~SimUnitTcp() override;

    // Listens on 127.0.0.1; false when no port could be had.
    bool listen();
    quint16 port() const { return server_.serverPort(); }
    // Ends every connection from the unit's side.
    void dropConnections();
    int openConnections() const { return static_cast<int>(buffers_.size()); }

    SimUnitProfile profile;
    QByteArrayList requests;   // raw request blocks, in order
    QByteArrayList commands;   // the commands addressed to this unit, in order
    int connectionsAccepted = 0;

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void answer(QTcpSocket* socket, char address, const QByteArray& command);
    void writePieces(QTcpSocket* socket, QByteArrayList pieces, int gapMs);

    QHash<QTcpSocket*, QByteArray> buffers_;   // open connections and their unread input
    QTcpServer server_;
};
