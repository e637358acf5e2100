#pragma once
// The summary panel: what the 4-character summary field of the status reply sets, the
// transmitter state, remote or local, the stacked indicator labels, the check boxes and
// the waveguide boxes.
#include <QRgb>
#include <QString>
#include <optional>
#include <vector>

namespace status {

// The labels of the summary frame, in the order in which they take rows.
enum class SummaryLabel {
    Label31,         // transmitter state
    Label32,         // "Auto HV On" (TWTA)
    Label33,         // "Remote" / "Local"
    Label34,         // "Const Power"
    Label35,         // "RF Inhibited"
    Label36,         // "Summary Fault"
    Label13,         // "Htr Standby"
    lblSBUCWarmup,   // "BUC Warmup"
    lbllcBucDrive,   // "IF Drive High"
};
constexpr int SummaryLabelCount = 9;

struct SummaryRow {
    SummaryLabel label;
    std::optional<QString> caption;   // nothing: the label keeps its own caption
    QRgb colour;
};

struct SummaryDecoding {
    // False: the field is not exactly 4 characters and nothing changes.
    bool applies = false;
    std::vector<SummaryRow> rows;       // labels shown, in row order
    std::vector<SummaryLabel> hidden;   // labels hidden
    bool RemoteMode = false;
    std::optional<bool> chkPS;   // "Transmitter ON"; nothing: unchanged
    bool chkConstPwr = false;
    bool chkAutoMode = false;
    std::optional<int> cmbWgSw1;   // entry 0 "A", 1 "B"; nothing: unchanged
    std::optional<int> cmbWgSw2;
    std::optional<int> cmbWgCfg;   // entry index; nothing: the number has no entry
};

// The transmitter-state captions other code compares with.
inline const QString StateStandby = QStringLiteral("Standby");
inline const QString StateFtd = QStringLiteral("FTD");
inline const QString StateWarmup = QStringLiteral("Warmup");

SummaryDecoding DecodeSummaryField(const QString& field, bool isTwtaUnit);

// Byte C of the summary field: the two waveguide switch positions and the automatic mode.
struct AutoModeDecoding {
    bool chkAutoMode = false;
    std::optional<int> cmbWgSw1;   // entry 0 "A", 1 "B"; nothing: unchanged
    std::optional<int> cmbWgSw2;
};
AutoModeDecoding DecodeAutoModeByte(int byteC);

// The entry of the waveguide configuration box for configuration number 0..7.
std::optional<int> WaveguideCfgEntry(int number);

}   // namespace status
