#pragma once
// The simulated unit's TCP side serving from a thread of its own, so that a program waiting
// in the test's thread can be timed, and its CPU counted, without the unit's share.
#include "support/SimUnitTcp.h"
#include <QSemaphore>
#include <QThread>

class SimUnitTcpThread : public QThread {
public:
    explicit SimUnitTcpThread(SimUnit& unit) : unit_(unit)
    {
        start();
        ready_.acquire();
    }
    ~SimUnitTcpThread() override
    {
        quit();
        wait();
    }
    quint16 port() const { return port_; }   // 0 when no loopback port could be had

protected:
    void run() override
    {
        SimUnitTcp server(unit_);
        port_ = server.listen() ? server.port() : 0;
        ready_.release();
        exec();
    }

private:
    SimUnit& unit_;
    QSemaphore ready_;
    quint16 port_ = 0;
};
