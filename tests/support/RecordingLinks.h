#pragma once
// Decorators of the program's serial control and TCP socket for tests and benchmarks.
#include "platform/SerialControl.h"
#include "platform/TcpSocket.h"
#include <functional>

// The serial control and the TCP socket the program uses, each reporting every request it
// writes before passing it on.
class RecordingSerial final : public ISerialControl {
public:
    RecordingSerial(ISerialControl& inner, std::function<void(const QByteArray&)> sent)
        : inner_(inner), sent_(std::move(sent))
    {
    }
    void setPortNumber(int n) override { inner_.setPortNumber(n); }
    int portNumber() const override { return inner_.portNumber(); }
    bool setSettings(const QString& s) override { return inner_.setSettings(s); }
    QString settings() const override { return inner_.settings(); }
    bool setRtsEnable(bool on) override { return inner_.setRtsEnable(on); }
    bool isOpen() const override { return inner_.isOpen(); }
    bool setOpen(bool open) override { return inner_.setOpen(open); }
    QString errorString() const override { return inner_.errorString(); }
    bool write(const QByteArray& data) override;
    void setInputLen(int n) override { inner_.setInputLen(n); }
    int inBufferCount() override { return inner_.inBufferCount(); }
    void discardInput() override { inner_.discardInput(); }
    QByteArray read() override { return inner_.read(); }
    bool waitForInput(int ms) override { return inner_.waitForInput(ms); }

private:
    ISerialControl& inner_;
    std::function<void(const QByteArray&)> sent_;
};

class RecordingTcp final : public ITcpSocket {
public:
    RecordingTcp(ITcpSocket& inner, std::function<void(const QByteArray&)> sent);
    void setRemoteHost(const QString& host) override { inner_.setRemoteHost(host); }
    QString remoteHost() const override { return inner_.remoteHost(); }
    void setRemotePort(int port) override { inner_.setRemotePort(port); }
    int remotePort() const override { return inner_.remotePort(); }
    void connectToRemote() override { inner_.connectToRemote(); }
    void close() override { inner_.close(); }
    int state() const override { return inner_.state(); }
    bool send(const QByteArray& data) override;
    QByteArray readAll() override { return inner_.readAll(); }

private:
    ITcpSocket& inner_;
    std::function<void(const QByteArray&)> sent_;
};
