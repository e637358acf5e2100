#pragma once
// What the fault and alarm lists share: the label of one status bit, the list layout,
// the colours of the status panels and the outcome of decoding one status field.
#include <QRgb>
#include <QString>
#include <initializer_list>
#include <vector>

namespace status {

// The bytes of a status field by their letters.
namespace fieldbytes {
enum { A, B, C, D };
}

// One indicator label: the byte of the status field (0..3 = A..D) and the bit (0..5).
struct BitLabel {
    int byte = 0;
    int bit = 0;
    // Position in a flat array of 24 labels: A0..A5, B0..B5, C0..C5, D0..D5.
    int index() const { return byte * 6 + bit; }
    static BitLabel fromIndex(int i) { return {i / 6, i % 6}; }
    QChar letter() const { return QChar(char('A' + byte)); }
    friend bool operator==(const BitLabel&, const BitLabel&) = default;
};

constexpr int BytesPerField = 4;
constexpr int BitsPerByte = 6;
constexpr int LabelsPerList = BytesPerField * BitsPerByte;

// List layout, in twips inside the list's frame.
constexpr qint16 FirstRowTop = 240;
constexpr qint16 RowPitch = 195;
constexpr qint16 ListLeft = 120;
// Rows 0..8 lie wholly inside the 2175-twip frames.
constexpr int RowsInFrame = 9;

constexpr int RowTop(int row) { return FirstRowTop + RowPitch * row; }

// Text colours of the status panels.
constexpr QRgb LightRed = qRgb(255, 0, 0);   // fault and alarm labels, "Summary Fault"
constexpr QRgb Green = qRgb(0, 128, 0);      // summary labels
constexpr QRgb Orange = qRgb(255, 102, 0);   // "IF Drive High"

// What the fault and alarm decodings know of the unit.
struct PanelUnit {
    bool IsTwtaUnit = false;
    qint32 UnitModelCode = -1;
    bool LldpFirmware = false;
    bool LegacyStatusQuery = false;   // the alarm field holds byte A only
};

// The outcome of decoding one fault or alarm field.
struct ListDecoding {
    // False: the field was too short to decode and nothing on the list changes.
    bool applies = false;
    std::vector<BitLabel> rows;     // labels shown, in row order (row k = rows[k])
    std::vector<BitLabel> hidden;   // labels looked at and hidden
    // The empty-list row ("No Faults" / "No Alarms") is shown at row 0.
    bool emptyRowShown() const { return applies && rows.empty(); }
};

// Byte i (0-based) of a status field as its character code; a missing byte counts as 0.
int FieldByte(const QString& field, int i);

// Collects the list rule: a set bit takes the next row, a clear bit hides its label.
class ListBuilder {
public:
    ListBuilder() { d_.applies = true; }
    void look(int byte, int code, int bit);
    // Looks at `bits` of `byte` in the order given.
    void look(int byte, int code, std::initializer_list<int> bits);
    void hide(int byte, std::initializer_list<int> bits);
    int rowCount() const { return int(d_.rows.size()); }
    ListDecoding take() { return std::move(d_); }

private:
    ListDecoding d_;
};

}   // namespace status
