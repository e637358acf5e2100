#pragma once
#include <QString>
#include <array>
#include <memory>

class ISerialControl;
class IClock;

// The serial link to the unit: framing of one command, writing it, and collecting one
// reply frame with its checks.
class OVLink {
public:
    static constexpr int MaxReply = 16384;

    // Without a clock the link keeps its own monotonic one.
    explicit OVLink(IClock* clock = nullptr);
    ~OVLink();
    OVLink(const OVLink&) = delete;
    OVLink& operator=(const OVLink&) = delete;

    // The last reply frame, start character through checksum.
    const QString& reply() const { return reply_; }
    void setReply(const QString& text) { reply_ = text; }

    void send(int startChar, const QString& command);
    // Collects one reply frame into reply(); sets errNumber (0 = a good frame).
    void Receive(qint16& errNumber);
    void Clear();

    void setCheckAddress(bool on) { checkAddress_ = on; }
    float MsgTimeout() const { return static_cast<float>(timeoutMs_) / 1000.0f; }
    void setMsgTimeout(float seconds);
    QString DeviceAddress() const { return QString(deviceAddress_); }
    void setDeviceAddress(const QString& address);
    QString ErrString() const { return errTexts_[static_cast<size_t>(errNumber_)]; }
    void setCommControl(ISerialControl* control) { control_ = control; }
    ISerialControl* commControl() const { return control_; }
    void setOpenPort(bool open);
    // Opens the port with the link's port number and line settings unless it is open. False,
    // with the port's error (9) and its text in ErrString, when it cannot be opened.
    bool EnsurePortOpen();
    // The port is open and usable.
    bool portReady() const;
    QString CommSettings() const { return commSettings_; }
    void setCommSettings(const QString& settings);
    qint16 PortNumber() const { return portNumber_; }
    void setPortNumber(int n);
    void setClock(IClock* clock);
    // While *stop is true (the program is shutting down), Receive awaits nothing more: it
    // takes what has arrived and ends as a time-out does.
    void setStopFlag(const bool* stop) { stop_ = stop; }

    // Frame helpers, shared with the simulated unit of the tests. The checksums work on the
    // character codes 0..255 of Latin-1 text; the frame is built from the bytes as written.
    static int XorChecksum(const QString& text);
    static int PrintableChecksum(const QString& text);
    static QString BuildFrame(int startChar, QChar address, const QString& command);

private:
    void setPortError(const QString& text);

    QString reply_;
    std::unique_ptr<IClock> ownClock_;
    IClock* clock_ = nullptr;
    ISerialControl* control_ = nullptr;
    qint16 errNumber_ = 0;
    std::array<QString, 10> errTexts_;
    QChar deviceAddress_ = '@';
    qint32 timeoutMs_ = 5000;
    bool checkAddress_ = true;
    QString commSettings_;
    qint16 portNumber_ = 1;
    bool unsent_ = false;   // the last send wrote no frame: no reply can come
    const bool* stop_ = nullptr;
};
