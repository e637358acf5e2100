#pragma once
// The RF band list, the sub-band menu and the values that depend on the sub-band.
#include <array>
#include <QtGlobal>

class FeatureReads;
class QComboBox;
class QLabel;
class QAction;
class QMenu;
class QWidget;
class Readings;
class WindowLayout;
struct CommandContext;
struct frmMainUi;

class SubBands {
public:
    // The controls it reads and writes.
    struct Controls {
        QComboBox* cmbRfBand = nullptr;
        QLabel* lblSband = nullptr;
        QLabel* lblSBandFrq = nullptr;
        QMenu* mnuSubBands = nullptr;
        std::array<QAction*, 8> mnuSubB{};   // items 1 to 8
        QAction* subBandItem(int n) const { return n >= 1 && n <= 8 ? mnuSubB[static_cast<size_t>(n - 1)] : nullptr; }
    };
    SubBands(CommandContext& p, const frmMainUi& controls, QWidget& window, FeatureReads& features, Readings& readings,
             WindowLayout& layout);
    void InitcmbRfBand();
    void UpdateSubBands();
    void UpdateCurrentSubBand();
    void ClearSubBands(bool hide = false);
    void SetCurrentSubBand(qint16 n);
    void LoadSubBandParameters();

private:
    CommandContext& p;
    QWidget& window_;
    FeatureReads& features_;
    Readings& readings_;
    WindowLayout& layout_;
    Controls ui;
    void checkSubBandItem(int n);
};
