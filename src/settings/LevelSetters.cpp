// The level setters: attenuation (dB and attenuator count), constant power, go-to power and
// the three RF trip levels. Each turns the level in its box into one command; none tests
// remote mode (their callers do).
#include "commands/CommandContext.h"
#include "settings/LevelSetters.h"
#include "ui/frmMainUi.h"
#include "status/FeatureReads.h"
#include "status/PowerUnits.h"
#include "commands/PolledQueries.h"
#include "commands/SubBandQueries.h"
#include "commands/TemperatureQueries.h"
#include "link/Transaction.h"
#include "platform/Conventions.h"
#include "platform/Prompts.h"
#include "settings/LevelEntry.h"
#include "ui/FormUpdatingGuard.h"
#include "status/ReadingFormat.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

levels::Band currentBand(const CommandContext& p) { return {p.unit.config.BandMinPower, p.unit.config.BandMaxPower}; }

bool dbmMode(const CommandContext& p) { return levels::DbmMode(p.unit.id.DbmLevelsSupported, p.display.DisplayWatts); }

// A range box names the row or control typed in.
void rangeBox(CommandContext& p, const QString& text, const QString& typedIn)
{
    p.platform.prompts.message(text, QStringLiteral("Range Error - ") + typedIn, PromptIcon::Exclamation);
}

}   // namespace

LevelSetters::LevelSetters(CommandContext& p, const frmMainUi& controls, FeatureReads& features, PowerUnits& powerUnits)
    : p(p), features_(features), powerUnits_(powerUnits), ui{.txtAtnDB = controls.txtAtnDB,
                                                             .txtAtnCnt = controls.txtAtnCnt,
                                                             .chkConstPwr = controls.chkConstPwr,
                                                             .txtConstLvl = controls.txtConstLvl,
                                                             .cmbFhiTripType = controls.cmbFhiTripType,
                                                             .txtFhiLvl = controls.txtFhiLvl,
                                                             .cmbFloTripType = controls.cmbFloTripType,
                                                             .txtFloLvl = controls.txtFloLvl,
                                                             .cmbRhiTripType = controls.cmbRhiTripType,
                                                             .txtRhiLvl = controls.txtRhiLvl}
{
}

float LevelSetters::ConvertTripPower(float level, const QString& typedIn)
{
    const levels::PowerCheck check =
        levels::ConvertTripPower(level, currentBand(p), p.display.DisplayWatts, p.unit.id.DbmLevelsSupported);
    if (!check.rangeText.isEmpty())
        rangeBox(p, check.rangeText, typedIn);
    return check.value;
}

// The text of a caller's own box after a refused level: the range the conversion applied.
QString LevelSetters::rangeText() const { return levels::RangeOf(currentBand(p), p.display.DisplayWatts).text; }

void LevelSetters::SetAtndB()
{
    if (const auto command = levels::AttenuationCommand(ui.txtAtnDB->text())) {
        SendUnitCommand(p, *command, false);
        return;
    }
    // Anything but a plain number is not sent: the box shows the unit's attenuation again.
    if (const auto shown = readings::AttenuationText(SsaCmds::GetAttenuation(p)))
        ui.txtAtnDB->setText(*shown);
}

void LevelSetters::SetAtnCount()
{
    const auto count = levels::AtnCountEntry(ui.txtAtnCnt->text(), p.unit.config.MinAtnCount);
    if (count && SsaCmds::SendAtnCountCmd(p, *count))
        return;
    const qint16 unitCount = SsaCmds::GetAtnCount(p);
    if (unitCount >= 0)
        ui.txtAtnCnt->setText(QString::number(unitCount));
}

bool LevelSetters::SetConstPwr(float level)
{
    const float value = ConvertTripPower(level, QStringLiteral("Constant Power"));
    if (value < 0.0f) {
        if (ui.chkConstPwr->isChecked()) {
            // Unticked without its click handler sending anything: constant power stays on at the unit.
            FormUpdatingGuard hold(p.conn.FormUpdating);
            ui.chkConstPwr->setChecked(false);
        }
        return false;
    }
    if (!ui.chkConstPwr->isChecked())
        return true;
    SendUnitCommand(p, levels::ConstPowerCommand(dbmMode(p), value), false);
    const QString readBack = SsaCmds::ReadConstPowerLevel(p);
    if (const auto text = levels::ConstPowerBoxText(readBack, p.display.DisplayWatts))
        powerUnits_.WritePowerBox(ui.txtConstLvl, *text, static_cast<float>(conv::Val(readBack)));
    return true;
}

bool LevelSetters::GoToPower(float level)
{
    const QString goToPower = QStringLiteral("GoTo Power");
    const float value = ConvertTripPower(level, goToPower);
    if (value < 0.0f) {
        rangeBox(p, rangeText(), goToPower);
        return false;
    }
    SendUnitCommand(p, levels::GoToPowerCommand(dbmMode(p), value), false);
    return true;
}

bool LevelSetters::setTripRow(levels::TripRow row)
{
    QLineEdit* box = row == levels::TripRow::ForwardHigh  ? ui.txtFhiLvl
                     : row == levels::TripRow::ForwardLow ? ui.txtFloLvl
                                                          : ui.txtRhiLvl;
    QComboBox* type = row == levels::TripRow::ForwardHigh  ? ui.cmbFhiTripType
                      : row == levels::TripRow::ForwardLow ? ui.cmbFloTripType
                                                           : ui.cmbRhiTripType;
    if (box->text().isEmpty())
        return true;
    const QString name = levels::TripRowName(row);
    const float value = ConvertTripPower(levels::LevelValue(box->text()), name);
    if (value < 0.0f) {
        rangeBox(p, rangeText(), name);
        return false;
    }
    SendUnitCommand(p, levels::TripCommand(row, type->currentText(), dbmMode(p), value), false);
    features_.InitRFTripLevels();
    return true;
}

bool LevelSetters::SetFwdHiTrip() { return setTripRow(levels::TripRow::ForwardHigh); }

bool LevelSetters::SetFwdLoTrip() { return setTripRow(levels::TripRow::ForwardLow); }

bool LevelSetters::SetRevHiTrip() { return setTripRow(levels::TripRow::Reverse); }
