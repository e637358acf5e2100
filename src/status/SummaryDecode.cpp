#include "status/SummaryDecode.h"
#include "status/IndicatorList.h"

namespace status {
namespace {

bool Bit(int code, int bit) { return (code >> bit) & 1; }

class SummaryBuilder {
public:
    explicit SummaryBuilder(SummaryDecoding& d) : d_(d) {}
    void show(SummaryLabel label, std::optional<QString> caption = {}, QRgb colour = Green)
    {
        d_.rows.push_back({label, std::move(caption), colour});
    }
    void showIf(bool on, SummaryLabel label, QRgb colour = Green)
    {
        if (on)
            show(label, {}, colour);
        else
            d_.hidden.push_back(label);
    }
    void hide(SummaryLabel label) { d_.hidden.push_back(label); }

private:
    SummaryDecoding& d_;
};

// Byte A bits 4 and 3 (and byte B bit 0 on a TWTA): the state label, "Auto HV On", chkPS.
void DecodeTransmitter(SummaryDecoding& d, SummaryBuilder& rows, int a, int b, bool twta)
{
    const bool on = Bit(a, 4);
    const bool standby = !on && Bit(a, 3);
    QString state;
    if (on)
        state = twta ? QStringLiteral("HV On") : QStringLiteral("Vdd On");
    else if (standby)
        state = StateStandby;
    else
        state = twta ? StateFtd : StateWarmup;
    rows.show(SummaryLabel::Label31, state);

    if (on) {
        d.chkPS = true;
        if (twta)
            rows.hide(SummaryLabel::Label32);
    } else if (twta) {
        const bool autoHv = Bit(b, 0);
        d.chkPS = autoHv;
        if (autoHv)
            rows.show(SummaryLabel::Label32, QStringLiteral("Auto HV On"));
        else
            rows.hide(SummaryLabel::Label32);
    } else if (standby) {
        d.chkPS = false;
    }
}

}   // namespace

// When both position bits of a switch are set, "A" wins.
AutoModeDecoding DecodeAutoModeByte(int c)
{
    AutoModeDecoding d;
    if (Bit(c, 4))
        d.cmbWgSw2 = 1;
    if (Bit(c, 3))
        d.cmbWgSw2 = 0;
    d.chkAutoMode = Bit(c, 2);
    if (Bit(c, 1))
        d.cmbWgSw1 = 1;
    if (Bit(c, 0))
        d.cmbWgSw1 = 0;
    return d;
}

std::optional<int> WaveguideCfgEntry(int number)
{
    // The box lists configurations 0..4 and 6; 5 selects the 6 entry as well.
    if (number == 6)
        number = 5;
    if (number < 0 || number > 5)
        return std::nullopt;
    return number;
}

SummaryDecoding DecodeSummaryField(const QString& field, bool isTwtaUnit)
{
    SummaryDecoding d;
    if (field.size() != BytesPerField)
        return d;
    d.applies = true;
    const int a = FieldByte(field, 0), b = FieldByte(field, 1);
    const int c = FieldByte(field, 2), dd = FieldByte(field, 3);
    SummaryBuilder rows(d);

    DecodeTransmitter(d, rows, a, b, isTwtaUnit);
    d.RemoteMode = Bit(a, 2);
    rows.show(SummaryLabel::Label33, d.RemoteMode ? QStringLiteral("Remote") : QStringLiteral("Local"));
    d.chkConstPwr = Bit(a, 1);
    rows.showIf(d.chkConstPwr, SummaryLabel::Label34);
    rows.showIf(Bit(a, 0), SummaryLabel::Label35);
    rows.showIf(Bit(b, 5), SummaryLabel::Label36, LightRed);
    rows.showIf(Bit(b, 4), SummaryLabel::Label13);
    const AutoModeDecoding switches = DecodeAutoModeByte(c);
    d.chkAutoMode = switches.chkAutoMode;
    d.cmbWgSw1 = switches.cmbWgSw1;
    d.cmbWgSw2 = switches.cmbWgSw2;
    rows.showIf(Bit(c, 5), SummaryLabel::lblSBUCWarmup);
    rows.showIf(Bit(dd, 5), SummaryLabel::lbllcBucDrive, Orange);
    d.cmbWgCfg = WaveguideCfgEntry(dd & 7);
    return d;
}

}   // namespace status
