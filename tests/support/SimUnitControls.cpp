#include "support/SimUnitControls.h"
#include <QRegularExpression>

namespace {

// Sets and clears bits of one byte (0 = A .. 3 = D) of the summary field, in the status
// reply and in the single summary word.
void setSummaryBits(SimUnitProfile& profile, int byte, int set, int clear)
{
    for (const char* key : {"?!#(", "?!"}) {
        QByteArray reply = profile.replies.value(key);
        if (reply.size() < 5)
            continue;
        char& c = reply[1 + byte];
        c = static_cast<char>((static_cast<uchar>(c) & ~clear) | set);
        profile.set(key, reply);
    }
}

// Byte A: bit 4 transmitter on, bit 3 standby, bit 1 constant power, bit 0 RF inhibited.
// Byte C: bit 4 / 3 switch 2 at B / A, bit 2 automatic, bit 1 / 0 switch 1 at B / A.
// Byte D: bits 0 to 2 the waveguide configuration.
bool applyToSummary(SimUnitProfile& profile, const QByteArray& command)
{
    static const QMap<QByteArray, std::tuple<int, int, int>> bits = {
        {"@", {0, 0x10, 0x08}},  {"A", {0, 0x08, 0x10}},  {"I", {0, 0x01, 0}},     {"J", {0, 0, 0x01}},
        {"H", {0, 0, 0x02}},     {"UA", {2, 0x04, 0}},    {"UM", {2, 0, 0x04}},    {"U1", {2, 0x01, 0x02}},
        {"U0", {2, 0x02, 0x01}}, {"U3", {2, 0x08, 0x10}}, {"U2", {2, 0x10, 0x08}},
    };
    if (const auto it = bits.constFind(command); it != bits.cend()) {
        const auto [byte, set, clear] = *it;
        setSummaryBits(profile, byte, set, clear);
        if (command == "I" || command == "J")
            profile.set(".?P54", command == "I" ? ".P54 1" : ".P54 0");
        return true;
    }
    static const QRegularExpression config(QStringLiteral("^PC([0-7])$"));
    if (const auto m = config.match(QString::fromLatin1(command)); m.hasMatch()) {
        setSummaryBits(profile, 3, m.captured(1).toInt(), 0x07);
        return true;
    }
    return false;
}

// The band named by a ".?Bn" reply (".B2Ka,29.5"), with its frequency.
std::optional<QByteArray> bandReadBack(const SimUnitProfile& profile, const QByteArray& name)
{
    for (int n = 1; n <= 4; ++n) {
        const QByteArray reply = profile.replies.value(".?B" + QByteArray::number(n));
        const QByteArray mark = ".B" + QByteArray::number(n);
        const qsizetype comma = reply.indexOf(',');
        if (!reply.startsWith(mark) || comma < 0 || reply.mid(mark.size(), comma - mark.size()) != name)
            continue;
        return "T" + name + ", " + reply.mid(comma + 1);
    }
    return std::nullopt;
}

// "XR" wires, termination and letter (a protocol tag may follow), or "XA" and a letter.
std::optional<char> addressLetter(const QByteArray& command)
{
    const qsizetype at = command.startsWith("XA") ? 2 : command.startsWith("XR") ? 4 : -1;
    if (at < 0 || command.size() <= at || command.contains('?'))
        return std::nullopt;
    const char letter = command.at(at);
    if (letter < 'A' || letter > 'Z')
        return std::nullopt;
    if (command.size() > at + 1 && command.at(at + 1) != ';')
        return std::nullopt;
    return letter;
}

}   // namespace

std::optional<SimAnswer> SimUnitControls::answer(SimUnitProfile& profile, const QByteArray& command)
{
    std::lock_guard lock(mutex_);
    if (std::chrono::steady_clock::now() < quietUntil_) {
        SimAnswer a;
        a.how.kind = SimBehaviour::Silent;
        return a;
    }
    if (refusalsLeft_ > 0) {
        --refusalsLeft_;
        SimAnswer a;
        a.how.kind = SimBehaviour::Nak;
        return a;
    }
    if (profile.behaviour.contains(command))
        return std::nullopt;   // a behaviour a test gave this very command (a refusal, a drop) wins
    static const QRegularExpression level(QStringLiteral("^GM?\\d+(\\.\\d*)?$"));
    if (level.match(QString::fromLatin1(command)).hasMatch()) {
        setSummaryBits(profile, 0, 0x02, 0);
        return std::nullopt;   // the level feature answers it
    }
    auto a = control(profile, command);
    if (a)
        received_.append(command);
    return a;
}

std::optional<SimAnswer> SimUnitControls::control(SimUnitProfile& profile, const QByteArray& command)
{
    if (applyToSummary(profile, command))
        return SimAnswer{};
    static const QRegularExpression frequency(QStringLiteral("^TF(-?\\d+)$"));
    if (frequency.match(QString::fromLatin1(command)).hasMatch()) {
        profile.set("TF?", command);
        return SimAnswer{};
    }
    if (command.startsWith('T') && !command.startsWith("TF")) {
        if (const auto readBack = bandReadBack(profile, command.mid(1))) {
            profile.set("T?", *readBack);
            return SimAnswer{};
        }
        return std::nullopt;
    }
    static const QRegularExpression subBand(QStringLiteral("^PBS([1-8])$"));
    if (subBand.match(QString::fromLatin1(command)).hasMatch()) {
        const QByteArray frequency = profile.replies.value(command + "?");   // "PBS214.25"
        if (frequency.isEmpty())
            return std::nullopt;
        profile.set("PBS?", frequency);
        return SimAnswer{};
    }
    static const QRegularExpression clock(QStringLiteral("^%(\\d{4})/(\\d\\d)/(\\d\\d),(\\d\\d:\\d\\d)$"));
    if (const auto m = clock.match(QString::fromLatin1(command)); m.hasMatch()) {
        profile.set("?%", QStringLiteral("?%1/%2/%3 %4:00")
                              .arg(m.captured(2), m.captured(3), m.captured(1), m.captured(4))
                              .toLatin1());
        return SimAnswer{};
    }
    if (command == "~") {
        quietUntil_ = std::chrono::steady_clock::now() + silence_;
        refusalsLeft_ = refusals_;
        return SimAnswer{};
    }
    if (const auto letter = addressLetter(command)) {
        QByteArray record = profile.replies.value("XR?");
        if (command.startsWith("XR") && record.size() >= 5)
            record.replace(2, 2, command.mid(2, 2));
        if (record.size() >= 5)
            record[4] = *letter;
        profile.set("XR?", record);
        profile.address = *letter;   // this reply still goes out from the old address
        SimAnswer a;
        if (addressReplyLost_)
            a.how.kind = SimBehaviour::Silent;
        return a;
    }
    return std::nullopt;
}

QByteArrayList SimUnitControls::settingsReceived() const
{
    std::lock_guard lock(mutex_);
    return received_;
}

void SimUnitControls::setAddressReplyLost(bool lost)
{
    std::lock_guard lock(mutex_);
    addressReplyLost_ = lost;
}

void SimUnitControls::setResetSilence(std::chrono::milliseconds quiet)
{
    std::lock_guard lock(mutex_);
    silence_ = quiet;
}

void SimUnitControls::setResetRefusals(int count)
{
    std::lock_guard lock(mutex_);
    refusals_ = count;
    refusalsLeft_ = 0;
}
