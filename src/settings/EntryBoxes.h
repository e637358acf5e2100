#pragma once
// The main window's entry boxes and spin controls: one row per box says how it takes keys,
// what Enter sends and what leaving it sends.

#include "settings/LevelEntry.h"
#include "ui/EntryKeys.h"
#include <QString>
#include <functional>
#include <vector>

class EntryBoxState;
class QKeyEvent;
class LevelSetters;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;
class UnitClock;
struct CommandContext;
struct frmMainUi;

class EntryBoxes {
public:
    // The controls it reads and writes.
    struct Controls {
        QLineEdit* txtFdBm = nullptr;
        QLineEdit* txtFCnt = nullptr;
        QLineEdit* txtRdBm = nullptr;
        QLineEdit* txtRCnt = nullptr;
        QLineEdit* txtAtnDB = nullptr;
        QLineEdit* txtAtnCnt = nullptr;
        QLineEdit* txtTemp = nullptr;
        QCheckBox* chkConstPwr = nullptr;
        QLineEdit* txtConstLvl = nullptr;
        QComboBox* cmbFhiTripType = nullptr;
        QLineEdit* txtFhiLvl = nullptr;
        QComboBox* cmbFloTripType = nullptr;
        QLineEdit* txtFloLvl = nullptr;
        QComboBox* cmbRhiTripType = nullptr;
        QLineEdit* txtRhiLvl = nullptr;
        QLineEdit* txtHelixV = nullptr;
        QLineEdit* txtHelixI = nullptr;
        QLineEdit* txtHeaterV = nullptr;
        QLineEdit* txtHelix2I = nullptr;
        QLineEdit* txtAnodeV = nullptr;
        QLineEdit* txtCathI = nullptr;
        QLineEdit* txtCS1 = nullptr;
        QLineEdit* txtCS3 = nullptr;
        QLineEdit* txtCS2 = nullptr;
        QLineEdit* txtCS4 = nullptr;
        QLineEdit* txtPSHours = nullptr;
        QLineEdit* txtXmtHours = nullptr;
        QLineEdit* txtLinAmp = nullptr;
        QLineEdit* txtLinPhase = nullptr;
        QLineEdit* txtFrmRev = nullptr;
        QLineEdit* txtCplDate = nullptr;
        QLineEdit* txtPN = nullptr;
        QLineEdit* txtSN = nullptr;
        QLineEdit* txtDateTime = nullptr;
        QLineEdit* txtAdr = nullptr;
    };
    EntryBoxes(CommandContext& p, const frmMainUi& controls, QWidget& window, LevelSetters& levels,
               UnitClock& unitClock, EntryBoxState& entryState);

    // Builds the rows and puts each box's key and focus rules on it; once.
    void connectEntryBoxes();

    // The spin controls next to the attenuation and linearizer boxes.
    void UpDown1_UpClick();
    void UpDown1_DownClick();
    void UpDown2_UpClick();
    void UpDown2_DownClick();
    void UpDown3_UpClick();
    void UpDown3_DownClick();
    void UpDown4_UpClick();
    void UpDown4_DownClick();

private:
    CommandContext& p;
    QWidget& window_;
    LevelSetters& levels_;
    UnitClock& unitClock_;
    EntryBoxState& entryState_;
    Controls ui;

    struct EntryBox {
        QLineEdit* box;
        std::function<entry::Keys()> keys;   // asked at each key: the family can change
        bool remoteGuard;                    // typing in local mode shows "Not in Remote Mode"
        // What Enter sends for the box's text; false when the program refused the value.
        std::function<bool(const QString& text)> enter;
        // What leaving the box after an edit sends in remote mode; none for the boxes that
        // send on Enter only.
        std::function<void(const QString& text)> leave;
        // Runs after what leaving an edited box sent, if anything: for a box the poll never
        // refills.
        std::function<void()> afterLeave = nullptr;
        // A trip row's level box: its editing flag, its type list and the row's setter.
        bool* tripEditing = nullptr;
        QComboBox* tripType = nullptr;
        std::function<bool()> sendTrip;
    };
    std::vector<EntryBox> entryBoxes_;   // built once: the boxes' handlers keep their row

    void buildEntryBoxes();
    EntryBox tripRow(QLineEdit* level, QComboBox* type, bool& editing, bool (LevelSetters::*send)());
    EntryBox parameterRow(QLineEdit* box, levels::ParamBox param);
    EntryBox atnCountRow();
    EntryBox addressRow();
    bool entryKeyDiscarded(const EntryBox& row, QKeyEvent& key);
    bool typedKeyDiscarded(const EntryBox& row, QChar typed);
    void entryBoxLeft(const EntryBox& row, Qt::FocusReason reason);
    void entryBoxEnter(const EntryBox& row);
    void tripTypeChosen(const EntryBox& row);
    // The row's edit ended without the unit taking it: its box follows the unit again.
    void followUnit(const EntryBox& row);
    // Runs `action` once the link is free, with the box's text as it is now.
    void actOnEntry(QLineEdit* box, std::function<void()> action);
    void stepSpinControl(int control, bool up);
};
