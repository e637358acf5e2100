#pragma once
// Standard arrangements of the frames whose contents move between unit families: the
// positions (twips inside the frame) of their boxes and labels. The window is built from
// these tables and the family layouts put the frames back with them, so a frame always
// returns to the same geometry whatever unit was connected before.
#include <span>

class QWidget;

namespace arrangement {

struct Place {
    const char* objectName;
    int left, top, width, height;
    const char* caption = nullptr;   // a label's standard caption; nullptr for boxes
};

// Frame30 ("Helix/Heater"), single-tube arrangement: helix voltage and current and the
// anode voltage in the left column, heater voltage, heater or second helix current and
// the cathode current in the right one.
inline constexpr Place HelixHeaterFrame[] = {
    {"Label85", 120, 300, 660, 225, "Hlx V:"},
    {"txtHelixV", 780, 270, 780, 300},
    {"lblHelixVUnit", 1590, 300, 330, 225, "kV"},
    {"Label86", 120, 660, 660, 225, "Hlx I:"},
    {"txtHelixI", 780, 630, 780, 300},
    {"lblHelixIUnit", 1590, 660, 330, 225, "mA"},
    {"Label18", 120, 1020, 660, 225, "Va:"},
    {"txtAnodeV", 780, 990, 780, 300},
    {"Label37", 1590, 1020, 330, 225, "V"},
    {"Label88", 2040, 300, 660, 225, "Htr V:"},
    {"txtHeaterV", 2700, 270, 780, 300},
    {"Label90", 3510, 300, 330, 225, "V"},
    {"Label9", 2040, 660, 660, 225, "Hlx2 I:"},
    {"txtHelix2I", 2700, 630, 780, 300},
    {"Label10", 3510, 660, 330, 225, "mA"},
    {"Label38", 2040, 1020, 660, 225, "Ik:"},
    {"txtCathI", 2700, 990, 780, 300},
    {"Label39", 3510, 1020, 330, 225, "mA"},
};

// Frame14 in its current-sense form: the frame itself, then its four readings in two rows.
inline constexpr Place CurrentSenseFrame = {"Frame14", 6360, 2415, 3015, 855};
// The boxes are 255 high, so the second row (Top 495) starts where the first ends.
inline constexpr Place CurrentSenseControls[] = {
    {"Label21", 120, 285, 240, 225, "1:"}, {"txtCS1", 360, 240, 975, 255},        {"txtCS3", 1620, 240, 975, 255},
    {"Label25", 2640, 285, 255, 225, "A"}, {"Label22", 120, 540, 240, 225, "2:"}, {"txtCS2", 360, 495, 975, 255},
    {"Label26", 1380, 540, 195, 225, ""},  {"txtCS4", 1620, 495, 975, 255},       {"Label28", 2640, 540, 255, 225, "A"},
};

// Frame14 in its DC-input form differs from the current-sense form in these places only.
inline constexpr int DcInputFrameWidth = 1575;
inline constexpr int DcInputFrameHeight = 735;
inline constexpr int DcInputLabel26Top = 420;
inline constexpr int DcInputTxtCS2Top = 360;

// Puts each named direct child of `frame` at its place, with its standard caption; names
// without a child are skipped.
void Apply(QWidget* frame, std::span<const Place> places);
// Gives `widget` the geometry of `place`, and a label its caption.
void Apply(QWidget* widget, const Place& place);

}   // namespace arrangement
