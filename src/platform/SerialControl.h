#pragma once
#include <QByteArray>
#include <QString>

// The serial-port control the link drives: exactly the operations the link uses.
// Errors never throw; a failing open reports a descriptive text.
class ISerialControl {
public:
    virtual ~ISerialControl() = default;

    virtual void setPortNumber(int n) = 0;   // COM1..COM10
    virtual int portNumber() const = 0;
    // Line settings in the "9600,N,8,1" form. False when the text cannot be applied.
    virtual bool setSettings(const QString& settings) = 0;
    virtual QString settings() const = 0;
    // RTS on. A port that refuses RTS (a pseudo-terminal) is tolerated: returns true.
    virtual bool setRtsEnable(bool on) = 0;

    virtual bool isOpen() const = 0;
    // Opens or closes the port. False on failure; errorString() then describes it.
    virtual bool setOpen(bool open) = 0;
    virtual QString errorString() const = 0;

    // Writes the bytes in one write. False when the port is not open or the write failed.
    virtual bool write(const QByteArray& data) = 0;
    // Characters one read() returns; 0 = everything waiting.
    virtual void setInputLen(int n) = 0;
    // Count of waiting input characters (pulls what the kernel holds, without blocking).
    virtual int inBufferCount() = 0;
    virtual void discardInput() = 0;
    virtual QByteArray read() = 0;
    // Blocks (in the kernel, never spinning) until input waits or ms have passed.
    // True when input is waiting. False at once when the port is closed or gone.
    virtual bool waitForInput(int ms) = 0;
};
