#pragma once
#include "platform/SerialControl.h"
#include <QSerialPort>

class ISettingsStore;

// The serial control on QSerialPort. No event loop runs during a transaction, so input
// is pulled here: a wait blocks in the kernel (poll on the device), then waitForReadyRead(0)
// moves the bytes into the port. A device that vanishes (unplugged, or the other end of a
// pseudo-terminal hung up) closes the port, with a text saying so. Every error text names the
// port and gives the system's reason.
class QtSerialControl final : public ISerialControl {
public:
    explicit QtSerialControl(const ISettingsStore* store = nullptr) : store_(store) {}

    void setPortNumber(int n) override { portNumber_ = n; }
    int portNumber() const override { return portNumber_; }
    bool setSettings(const QString& settings) override;
    QString settings() const override { return settings_; }
    bool setRtsEnable(bool on) override;
    bool isOpen() const override { return port_.isOpen(); }
    bool setOpen(bool open) override;
    QString errorString() const override { return error_; }
    bool write(const QByteArray& data) override;
    void setInputLen(int n) override { inputLen_ = n; }
    int inBufferCount() override;
    void discardInput() override;
    QByteArray read() override;
    bool waitForInput(int ms) override;

private:
    enum class LineState { Input, Quiet, Gone };

    bool applySettings();
    QString label() const;   // "COM1 (/dev/ttyS0)"
    void noteFailure();
    void deviceGone(const QString& reason);
    bool checkErrors();
    // Waits up to ms (in the kernel) for input on the open port and moves it into the
    // port's buffer. Gone, with the port closed, when the device vanished.
    LineState waitAndPull(int ms);

    const ISettingsStore* store_;
    QSerialPort port_;
    int portNumber_ = 1;
    QString settings_;
    int inputLen_ = 0;
    QString error_;
};
