#pragma once
#include "platform/SerialControl.h"
#include <QByteArrayList>
#include <functional>

class FakeClock;

// A serial control with no device behind it. Each written frame goes to `responder`,
// whose bytes become the waiting input. Waits advance the fake clock instead of blocking.
class FakeSerialControl final : public ISerialControl {
public:
    explicit FakeSerialControl(FakeClock* clock = nullptr) : clock_(clock) {}

    void setPortNumber(int n) override { port = n; }
    int portNumber() const override { return port; }
    bool setSettings(const QString& s) override
    {
        lineSettings = s;
        return true;
    }
    QString settings() const override { return lineSettings; }
    bool setRtsEnable(bool) override { return true; }
    bool isOpen() const override { return open; }
    bool setOpen(bool o) override;
    QString errorString() const override { return error; }
    bool write(const QByteArray& data) override;
    void setInputLen(int n) override { inputLen = n; }
    int inBufferCount() override;
    void discardInput() override
    {
        input.clear();
        ++discards;
    }
    QByteArray read() override;
    bool waitForInput(int ms) override;

    // Settings the test reads or changes.
    int port = 1;
    QString lineSettings;
    bool open = false;
    bool failOpen = false;
    QString error;
    int inputLen = 0;
    int discards = 0;
    int opens = 0;
    QByteArray input;
    QByteArrayList written;   // every write, in order
    std::function<QByteArray(const QByteArray& frame)> responder;
    bool failWrite = false;      // writes fail with `error`
    bool vanishOnWait = false;   // the device goes away during the next wait for input

    // Bytes that arrive once the fake clock reaches `atMs` (a wait ends at the arrival).
    void arriveAt(qint64 atMs, const QByteArray& bytes) { arrivals.append({atMs, bytes}); }
    struct Arrival {
        qint64 atMs;
        QByteArray bytes;
    };
    QList<Arrival> arrivals;

private:
    void deliverDue();

    FakeClock* clock_;
};
