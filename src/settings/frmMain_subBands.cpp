// The RF band list, the sub-band menu and the values that depend on the sub-band.
#include "commands/BucQueries.h"
#include "commands/IndexedQueries.h"
#include "commands/SubBandQueries.h"
#include "commands/TemperatureQueries.h"
#include "link/ConnectionWatch.h"
#include "app/Program.h"
#include "link/Transaction.h"
#include "platform/Clock.h"
#include "settings/BandLists.h"
#include "ui/FormUpdatingGuard.h"
#include "ui/FitText.h"
#include "app/frmMain.h"
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>

void frmMain::InitcmbRfBand()
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

void frmMain::UpdateSubBands()
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

void frmMain::checkSubBandItem(int n)
{
    QAction* item = ui.subBandItem(n);
    item->setChecked(true);
    ui.lblSBandFrq->setText(item->text());
    FitTextToWidth(ui.lblSBandFrq);
}

void frmMain::UpdateCurrentSubBand()
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
                                                             [this] { runPendingEvents(); },
                                                             [this] { LoadSubBandParameters(); },
                                                             [&] {
                                                                 if (model7467)
                                                                     UpdateHours();
                                                             },
                                                             [&] {
                                                                 if (model7467)
                                                                     InitRFTripLevels();
                                                             },
                                                         });
    if (completed)
        update();
}

void frmMain::ClearSubBands(bool hide)
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

void frmMain::SetCurrentSubBand(qint16 n)
{
    if (n < 1 || n > 8)
        return;   // no other sub-band command exists
    const ConnectionWatch connection(p);
    ClearSubBands();
    checkSubBandItem(n);
    SendUnitCommand(p, QStringLiteral("PBS") + QString::number(n));
    runPendingEvents();
    p.platform.clock.sleepMs(200);
    runPendingEvents();
    // The poll finds the new sub-band and re-reads once more; CurrentSubBand is left to it.
    const bool lldp = p.unit.id.LldpFirmware;
    RunWhileConnected(connection, {
                                      [this] { LoadSubBandParameters(); },
                                      [&] {
                                          if (lldp)
                                              UpdateHours();
                                      },
                                      [&] {
                                          if (lldp)
                                              InitRFTripLevels();
                                      },
                                      [&] {
                                          if (lldp)
                                              InitReverseRFOffset();
                                      },
                                      [&] {
                                          if (lldp)
                                              InitPowerLimit();
                                      },
                                      [&] {
                                          if (lldp)
                                              UpdateRFIStatus();
                                      },
                                  });
}

void frmMain::LoadSubBandParameters()
{
    UnitConfig& c = p.unit.config;
    const ConnectionWatch connection(p);
    RunWhileConnected(connection, {
                                      [this] { UpdateGainBalance(); },
                                      [this] { runPendingEvents(); },
                                      [this] { UpdateAtn(); },
                                      [this] { runPendingEvents(); },
                                      [this] { InitDLAtten(); },
                                      [this] { runPendingEvents(); },
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

void frmMain::UpdateGainBalance()
{
    UnitConfig& c = p.unit.config;
    const qint16 state = SsaCmds::ReadGainBalance(p);
    if (state < 0) {
        c.GainBalanceEnabled = false;
        ui.mnuGainBal->setVisible(false);
    } else {
        ui.mnuGainBal->setVisible(true);
        ui.mnuGainBal->setEnabled(true);
        c.GainBalanceEnabled = state != 0;
        c.GainBalanceValue = p.ReplyFields[0];
    }
    c.HasIfGainBalance = SsaCmds::ReadIFGainBalance(p);
    c.IfGainBalanceValue = p.ReplyFields[0];
}

bool frmMain::UpdateUnitGain()
{
    UnitConfig& c = p.unit.config;
    c.HasUnitGain = SsaCmds::ReadUnitGain(p);
    c.UnitGainEnabled = c.HasUnitGain && p.ReplyFields[0] == QLatin1String("1");
    if (c.HasUnitGain)
        c.UnitGainValue = p.ReplyFields[1];
    return c.HasUnitGain;
}
