#include "commands/CommandContext.h"
#include "status/PowerUnits.h"
#include "ui/frmMainUi.h"
#include <QLabel>
#include <QLineEdit>

using PowerDisplay::BoxFormat;

PowerUnits::PowerUnits(CommandContext& p, const frmMainUi& controls)
    : p(p), ui{.txtFdBm = controls.txtFdBm,
               .Label5 = controls.Label5,
               .txtFCnt = controls.txtFCnt,
               .Label6 = controls.Label6,
               .txtRdBm = controls.txtRdBm,
               .Label8 = controls.Label8,
               .txtConstLvl = controls.txtConstLvl,
               .Label64 = controls.Label64,
               .txtFhiLvl = controls.txtFhiLvl,
               .Label67 = controls.Label67,
               .txtFloLvl = controls.txtFloLvl,
               .Label69 = controls.Label69,
               .txtRhiLvl = controls.txtRhiLvl,
               .Label71 = controls.Label71}
{
}

void PowerUnits::DisplayToWatts() { switchPowerUnits(true); }

void PowerUnits::DisplayTodBm() { switchPowerUnits(false); }

void PowerUnits::switchPowerUnits(bool toWatts)
{
    const QString unit = toWatts ? QStringLiteral("Watts") : QStringLiteral("dBm");
    for (QLabel* label : {ui.Label64, ui.Label5, ui.Label8, ui.Label67, ui.Label69, ui.Label71, ui.Label6})
        label->setText(unit);
    p.display.DisplayWatts = toWatts;

    struct Box {
        QLineEdit* box;
        const BoxFormat& format;
    };
    const Box boxes[] = {
        {ui.txtConstLvl, PowerDisplay::LevelBox}, {ui.txtFdBm, PowerDisplay::ReadingBox},
        {ui.txtRdBm, PowerDisplay::ReadingBox},   {ui.txtFhiLvl, PowerDisplay::LevelBox},
        {ui.txtFloLvl, PowerDisplay::LevelBox},   {ui.txtRhiLvl, PowerDisplay::LevelBox},
        {ui.txtFCnt, PowerDisplay::DriveBox},
    };
    for (const Box& b : boxes) {
        if (b.box == ui.txtFCnt && !p.display.DrivePowerShown)
            continue;
        const auto converted = PowerDisplay::SwitchUnit(b.box->text(), writtenPowers_.of(b.box), b.format, toWatts);
        if (converted)
            WritePowerBox(b.box, converted->text, converted->dBm);
    }
}

void PowerUnits::WritePowerBox(QLineEdit* box, const QString& text, float dBm)
{
    box->setText(text);
    writtenPowers_.remember(box, {text, dBm, p.display.DisplayWatts});
}

bool PowerUnits::CheckInputDriverPwrSupport()
{
    p.display.DrivePowerSupported =
        PowerDisplay::DrivePowerSupportedBy(p.unit.id.FirmwarePartNo, p.unit.id.UnitModelCode);
    DisplayDrivePower(p.display.DrivePowerSupported);
    return p.display.DrivePowerSupported;
}

void PowerUnits::DisplayDrivePower(bool enable)
{
    const bool shown = enable && p.display.DrivePowerSupported;
    ui.Label6->setText(!shown                   ? QStringLiteral("Count")
                       : p.display.DisplayWatts ? QStringLiteral("Watts")
                                                : QStringLiteral("dBm"));
    p.display.DrivePowerShown = shown;
    ui.Label6->setVisible(shown);
    ui.txtFCnt->setVisible(shown);
}
