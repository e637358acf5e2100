#pragma once
// The polled readings of the main window and the frames they fill.

class EntryBoxState;
class PowerUnits;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
struct CommandContext;
struct frmMainUi;

class Readings {
public:
    // The controls it reads and writes.
    struct Controls {
        QLineEdit* txtFdBm = nullptr;
        QLineEdit* txtFCnt = nullptr;
        QLineEdit* txtRdBm = nullptr;
        QLineEdit* txtAtnDB = nullptr;
        QLineEdit* txtTemp = nullptr;
        QLineEdit* txtTemp2 = nullptr;
        QGroupBox* Frame20 = nullptr;
        QLabel* lblRFFrq = nullptr;
        QLabel* lblRFFrqVal = nullptr;
        QLineEdit* txtHelixV = nullptr;
        QLineEdit* txtHelixI = nullptr;
        QLineEdit* txtHeaterV = nullptr;
        QLineEdit* txtHelix2I = nullptr;
        QLineEdit* txtAnodeV = nullptr;
        QLineEdit* txtCathI = nullptr;
        QGroupBox* Frame14 = nullptr;
        QLabel* Label21 = nullptr;
        QLineEdit* txtCS1 = nullptr;
        QLineEdit* txtCS3 = nullptr;
        QLabel* Label25 = nullptr;
        QLabel* Label22 = nullptr;
        QLineEdit* txtCS2 = nullptr;
        QLabel* Label26 = nullptr;
        QLineEdit* txtCS4 = nullptr;
        QLabel* Label28 = nullptr;
        QLineEdit* txtPSHours = nullptr;
        QLineEdit* txtXmtHours = nullptr;
        QAction* mnuISense = nullptr;
    };
    Readings(CommandContext& p, const frmMainUi& controls, PowerUnits& powerUnits, EntryBoxState& entryState);
    void UpdateFwdRF();
    void UpdateRevRF();
    void UpdateRFPower();
    void UpdateAtn();
    void UpdateTemperature();
    void UpdateHelixHeater();
    void UpdateCathodeCurrent();
    void UpdateCurrentSense();
    void UpdateRFFrequency();
    void InitDCVInParameters();
    void SetupFrame14();
    void SetCurrentSenseFrame();
    void SetDCVInFrame();
    void SetupFrame20();
    void UpdateDCVIn();
    void UpdateHours();

private:
    CommandContext& p;
    PowerUnits& powerUnits_;
    EntryBoxState& entryState_;
    Controls ui;
    void applySenseFrameForm(bool dcInput);
};
