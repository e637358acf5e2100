#pragma once
#include <array>

class QDialog;
class QRadioButton;

// Controls of the sub-band choice dialog: eight option buttons, sub-bands 1 to 4 in the
// left column and 5 to 8 in the right, all hidden until the dialog fills them.
struct frmSetSubBandUi {
    std::array<QRadioButton*, 8> optSelectedSB{};   // element i for sub-band i + 1

    void setupUi(QDialog* dialog);
};
