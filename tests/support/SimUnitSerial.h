#pragma once
// The simulated unit's serial side: a pseudo-terminal whose master end the unit serves in
// its own thread (the program blocks its thread while it waits for a serial reply). The
// program opens the slave end like any serial device; mapPort() points COMn at it.
//
// The unit reads request frames (STX, address, command, ETX, XOR checksum; anything before
// the STX is dropped), drops frames with a wrong checksum, and answers from its SimUnit:
// the reply frame start, address, data, ETX, checksum, shaped by the command's behaviour
// (NAK, silence, cut short, stray bytes first, bad checksum, a delay, pieces, or hanging
// up the line so the device vanishes).
#include "support/SimUnit.h"
#include <QByteArrayList>
#include <QString>
#include <atomic>
#include <thread>

class ISettingsStore;

class SimUnitSerial {
public:
    explicit SimUnitSerial(SimUnit& unit);
    ~SimUnitSerial();
    SimUnitSerial(const SimUnitSerial&) = delete;
    SimUnitSerial& operator=(const SimUnitSerial&) = delete;

    // Opens the pseudo-terminal and starts serving. False, with errorText(), without one.
    bool start();
    void stop();
    QString devicePath() const { return devicePath_; }
    QString errorText() const { return error_; }
    // Points COMn at this unit in the program's settings ("SerialPorts/COMn").
    void mapPort(ISettingsStore& store, int n) const;

    QByteArrayList frames() const;                 // request frames received, STX through checksum
    int badFrames() const { return badFrames_; }   // dropped for a wrong checksum
    // The unit's own time for its last answer: from the last byte of the request to the last
    // byte of the reply written (the delay included), in nanoseconds.
    qint64 lastServiceNs() const { return lastServiceNs_; }
    qint64 totalServiceNs() const { return totalServiceNs_; }   // of every answer so far
    int answered() const { return answered_; }                  // requests served (silent ones too)

private:
    void run();
    void takeByte(char c);
    void serve(const QByteArray& frame);
    QByteArray replyBytes(const SimAnswer& a) const;
    bool pause(int ms);                       // false when told to stop
    bool writeAll(const QByteArray& bytes);   // false when told to stop or the line is gone
    void hangUp();

    SimUnit& unit_;
    int master_ = -1, slave_ = -1;
    int stopPipe_[2] = {-1, -1};
    QString devicePath_, error_;
    std::thread thread_;

    // Owned by the unit's thread while it runs.
    QByteArray frame_;
    bool inFrame_ = false, checksumNext_ = false;

    mutable std::mutex mutex_;
    QByteArrayList frames_;
    std::atomic<int> badFrames_{0}, answered_{0};
    std::atomic<qint64> lastServiceNs_{0}, totalServiceNs_{0};
};
