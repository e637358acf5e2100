#pragma once
#include "link/LocatorReplies.h"
#include "platform/UdpSocket.h"
#include "ui/frmLocateIPUi.h"
#include <QDialog>
#include <array>

struct Program;

// The unit locator: one discovery broadcast, the units that answer listed with their
// addresses, and a double-click hands the chosen address (and port) back in
// Program::linkDialogs.LocatedIPAddress / LocatedTcpPort.
class frmLocateIP : public QDialog {
    Q_OBJECT
public:
    struct Entry {
        QString address;   // "" = empty entry
        QString text;
    };

    explicit frmLocateIP(Program& p, QWidget* parent = nullptr);
    ~frmLocateIP() override;

    frmLocateIPUi ui;

    void Timer1_Timer();
    void btnSearch_Click();
    void btnClose_Click();
    void lstIPAdrs_DblClick();
    void udpSock_DataArrival(int bytes);
    void udpSock_Error(const IUdpSocket::ErrorEvent& error);

    qint16 replyCount() const { return replyCount_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Search();
    void showBox(const QString& text, const QString& title);

    Program& p_;
    IUdpSocket& udpSock_;
    std::array<Entry, locator::TableSize> table_;
    qint16 replyCount_ = 0;
};
