// The RF band list, the sub-band menu and the values that depend on the sub-band.
#include "commands/BucQueries.h"
#include "commands/IndexedQueries.h"
#include "commands/SubBandQueries.h"
#include "commands/TemperatureQueries.h"
#include "link/ConnectionWatch.h"
#include "commands/CommandContext.h"
#include "link/Transaction.h"
#include "platform/Clock.h"
#include "status/BandLists.h"
#include "ui/FormUpdatingGuard.h"
#include "ui/FitText.h"
#include "status/SubBands.h"
#include "ui/frmMainUi.h"
#include "status/FeatureReads.h"
#include "status/Readings.h"
#include "status/WindowLayout.h"
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>

SubBands::SubBands(CommandContext& p, const frmMainUi& controls, QWidget& window, FeatureReads& features,
                   Readings& readings, WindowLayout& layout)
    : p(p), window_(window), features_(features), readings_(readings),
      layout_(layout), ui{.cmbRfBand = controls.cmbRfBand,
                          .lblSband = controls.lblSband,
                          .lblSBandFrq = controls.lblSBandFrq,
                          .mnuSubBands = controls.mnuSubBands,
                          .mnuSubB = {controls.mnuSubB1, controls.mnuSubB2, controls.mnuSubB3, controls.mnuSubB4,
                                      controls.mnuSubB5, controls.mnuSubB6, controls.mnuSubB7, controls.mnuSubB8}}
{
}

void SubBands::InitcmbRfBand()
{
    // Filling the list moves its selection; that must never choose a band at the unit.
    FormUpdatingGuard guard(p.conn.FormUpdating);
    UnitConfig& c = p.unit.config;
    ui.cmbRfBand->clear();
    // A band this unit does not name never keeps the name of the unit connected before.
    c.RfBandNames = {};
    c.RfBandFreqs = {};
    for (int n = 1; n <= 4; ++n) {
        const QString name = SsaCmds::GetBandName(p, n);
        const bands::BandName kind = bands::ClassifyBandName(name);
        // The unit names its bands when band 1 is named; a later "NOT SUPPORTED" only ends
        // the list (a unit with two bands still names them).
        if (kind == bands::BandName::EndOfList) {
            if (n == 1)
                c.HasRfBandNames = false;
            return;
        }
        c.HasRfBandNames = true;
        if (kind == bands::BandName::Listed) {
            ui.cmbRfBand->addItem(name);
            c.RfBandNames[static_cast<size_t>(n)] = name;
            c.RfBandFreqs[static_cast<size_t>(n)] = bands::BandFrequencyText(p.ReplyFields[0]);
        }
    }
}

void SubBands::UpdateSubBands()
{
    UnitConfig& c = p.unit.config;
    c.SubBandFreqs = {};
    c.SubBandCount = 0;
    c.CurrentSubBand = 0;
    ClearSubBands();
    QAction* menu = ui.mnuSubBands->menuAction();
    if (!SsaCmds::ReadSubBandList(p)) {
        menu->setVisible(false);
        return;
    }
    menu->setVisible(true);
    const bands::SubBandList list = bands::SubBandListFrom(p.ReplyFields);
    c.SubBandFreqs = list.freqs;
    c.SubBandCount = list.count;
    // An item without a frequency is hidden, the first as well: no caption of an earlier
    // unit can stay on a visible item.
    for (int n = 1; n <= 8; ++n) {
        const QString& freq = list.freqs[static_cast<size_t>(n)];
        QAction* item = ui.subBandItem(n);
        item->setText(bands::SubBandCaption(n, freq));
        item->setVisible(!freq.isEmpty());
    }
    c.CurrentSubBand = SsaCmds::GetCurrentSubBand(p);
    const bool shown = bands::ShowsCurrentSubBand(c.CurrentSubBand, p.ReplyFields[0]);
    if (shown)
        checkSubBandItem(c.CurrentSubBand);
    else
        c.CurrentSubBand = 0;
    menu->setVisible(shown);
    ui.lblSBandFrq->setVisible(shown);
    ui.lblSband->setVisible(shown);
}

void SubBands::checkSubBandItem(int n)
{
    QAction* item = ui.subBandItem(n);
    item->setChecked(true);
    ui.lblSBandFrq->setText(item->text());
    FitTextToWidth(ui.lblSBandFrq);
}

void SubBands::UpdateCurrentSubBand()
{
    if (!ui.mnuSubBands->menuAction()->isVisible())
        return;
    UnitConfig& c = p.unit.config;
    const ConnectionWatch connection(p);
    const qint16 n = SsaCmds::GetCurrentSubBand(p);
    if (connection.ended() || n == c.CurrentSubBand)
        return;
    c.CurrentSubBand = n;
    ClearSubBands();
    if (n < 1 || n > 8)
        return;
    checkSubBandItem(n);
    const bool model7467 = p.unit.id.UnitModelCode == 7467;
    const bool completed = RunWhileConnected(connection, {
                                                             [this] { p.platform.clock.processEvents(); },
                                                             [this] { LoadSubBandParameters(); },
                                                             [&] {
                                                                 if (model7467)
                                                                     readings_.UpdateHours();
                                                             },
                                                             [&] {
                                                                 if (model7467)
                                                                     features_.InitRFTripLevels();
                                                             },
                                                         });
    if (completed)
        window_.update();
}

void SubBands::ClearSubBands(bool hide)
{
    for (int n = 1; n <= 8; ++n)
        ui.subBandItem(n)->setChecked(false);
    if (!hide)
        return;
    QAction* menu = ui.mnuSubBands->menuAction();
    const bool wasVisible = menu->isVisible();
    menu->setVisible(true);
    // The first item too: it would still carry the last unit's frequency. Each caption goes
    // back to the one without a frequency, so a unit without sub-bands never carries the
    // captions of the unit connected before it.
    for (int n = 1; n <= 8; ++n) {
        ui.subBandItem(n)->setVisible(false);
        ui.subBandItem(n)->setText(bands::SubBandCaption(n, QString()));
    }
    menu->setVisible(wasVisible);
}

void SubBands::SetCurrentSubBand(qint16 n)
{
    if (n < 1 || n > 8)
        return;   // no other sub-band command exists
    const ConnectionWatch connection(p);
    const QString shown = ui.lblSBandFrq->text();
    ClearSubBands();
    checkSubBandItem(n);
    if (SendUnitCommand(p, QStringLiteral("PBS") + QString::number(n))) {
        // Taken: the label, the menu's mark and the choice dialog agree at once; the poll confirms it.
        p.unit.config.CurrentSubBand = n;
    } else {
        // Refused: the window goes back to the sub-band the unit is on.
        ClearSubBands();
        if (const qint16 current = p.unit.config.CurrentSubBand; current >= 1 && current <= 8)
            checkSubBandItem(current);
        ui.lblSBandFrq->setText(shown);
    }
    p.platform.clock.processEvents();
    p.platform.clock.sleepMs(200);
    p.platform.clock.processEvents();
    const bool lldp = p.unit.id.LldpFirmware;
    RunWhileConnected(connection, {
                                      [this] { LoadSubBandParameters(); },
                                      [&] {
                                          if (lldp)
                                              readings_.UpdateHours();
                                      },
                                      [&] {
                                          if (lldp)
                                              features_.InitRFTripLevels();
                                      },
                                      [&] {
                                          if (lldp)
                                              features_.InitReverseRFOffset();
                                      },
                                      [&] {
                                          if (lldp)
                                              features_.InitPowerLimit();
                                      },
                                      [&] {
                                          if (lldp)
                                              features_.UpdateRFIStatus();
                                      },
                                  });
}

void SubBands::LoadSubBandParameters()
{
    UnitConfig& c = p.unit.config;
    const ConnectionWatch connection(p);
    RunWhileConnected(connection, {
                                      [this] { features_.UpdateGainBalance(); },
                                      [this] { p.platform.clock.processEvents(); },
                                      [this] { readings_.UpdateAtn(); },
                                      [this] { p.platform.clock.processEvents(); },
                                      [this] { layout_.InitDLAtten(); },
                                      [this] { p.platform.clock.processEvents(); },
                                      [this, &c] {
                                          if (p.unit.id.UnitModelCode != 7436)
                                              return;
                                          const QString coefficient = SsaCmds::ReadTempCoefficient(p);
                                          if (!coefficient.isEmpty())
                                              c.TempCoefText = coefficient;
                                      },
                                      [this, &c] {
                                          const PSVsetReply v = SsaCmds::ReadPSVsetValue(p, -1);
                                          if (v.Status == 0)
                                              c.PsVsetValue = static_cast<qint16>(v.Value);
                                      },
                                  });
}
