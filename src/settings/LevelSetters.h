#pragma once
// The level setters: attenuation, constant power and the RF trip levels, in the display unit.
// None tests remote mode; their callers do.
#include "settings/LevelEntry.h"
#include <QString>

class FeatureReads;
class PowerUnits;
class QCheckBox;
class QComboBox;
class QLineEdit;
struct CommandContext;
struct frmMainUi;

class LevelSetters {
public:
    // The controls it reads and writes.
    struct Controls {
        QLineEdit* txtAtnDB = nullptr;
        QLineEdit* txtAtnCnt = nullptr;
        QCheckBox* chkConstPwr = nullptr;
        QLineEdit* txtConstLvl = nullptr;
        QComboBox* cmbFhiTripType = nullptr;
        QLineEdit* txtFhiLvl = nullptr;
        QComboBox* cmbFloTripType = nullptr;
        QLineEdit* txtFloLvl = nullptr;
        QComboBox* cmbRhiTripType = nullptr;
        QLineEdit* txtRhiLvl = nullptr;
    };
    LevelSetters(CommandContext& p, const frmMainUi& controls, FeatureReads& features, PowerUnits& powerUnits);
    // none tests remote mode, their callers do.
    // The value to send, or -1; a level out of range shows a range box naming `typedIn`.
    float ConvertTripPower(float level, const QString& typedIn);
    void SetAtndB();
    void SetAtnCount();
    bool SetConstPwr(float level);
    bool GoToPower(float level);
    // Each sends its trip row; false when its level was refused (a range box was shown).
    bool SetFwdHiTrip();
    bool SetFwdLoTrip();
    bool SetRevHiTrip();

private:
    CommandContext& p;
    FeatureReads& features_;
    PowerUnits& powerUnits_;
    Controls ui;
    bool setTripRow(levels::TripRow row);
    QString rangeText() const;
};
