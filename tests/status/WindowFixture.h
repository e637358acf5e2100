#pragma once
// A main window on a scripted unit, connected the way the first read lays it out, and a
// text snapshot of everything the window shows, for comparing whole windows.
#include "QStringPrint.h"
#include "commands/Identification.h"
#include "app/Program.h"
#include "support/SimUnitProfile.h"
#include "support/TestProgram.h"
#include "ui/Twips.h"
#include "app/frmMain.h"
#include "status/StatusPanels.h"
#include "status/WindowLayout.h"
#include "status/WindowStates.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

// Replies of a profile with some entries replaced; a null reply leaves the command unanswered.
inline QMap<QByteArray, QByteArray> Scripted(const SimUnitProfile& profile,
                                             std::initializer_list<std::pair<QByteArray, const char*>> changes = {})
{
    QMap<QByteArray, QByteArray> replies = profile.replies;
    for (const auto& [command, data] : changes) {
        if (data)
            replies[command] = data;
        else
            replies.remove(command);
    }
    return replies;
}

struct WindowOnUnit {
    TestProgram t;
    frmMain w{t.p()};

    WindowOnUnit()
    {
        w.panels().InitFaultsAlarms();   // the window as the program starts it
        w.states().ClearForm();
        w.states().DisableForm();
    }

    // Disconnects from whatever unit was there, then identifies and lays out the unit
    // answering `replies`, as a connection's first read does.
    void connect(const QMap<QByteArray, QByteArray>& replies, bool dualTwta = false, bool monitorDcInput = false)
    {
        w.states().ClearForm();
        w.states().DisableForm();
        t.replies = replies;
        DetermineUnitType(t.p());
        t.p().unit.config.DualTwtaUnit = dualTwta;
        t.p().unit.config.MonitorDCVInput = monitorDcInput;
        w.layout().InitDisplay();
        w.states().EnableForm();
    }

    bool sent(const char* command) const { return t.commands.contains(command); }
};

// One line per control and menu item: what it shows, where, and whether it is usable.
inline QString WindowSnapshot(const frmMain& w)
{
    QStringList lines{QStringLiteral("title ") + w.windowTitle()};
    for (const QWidget* c : w.findChildren<QWidget*>()) {
        if (c->objectName().isEmpty() || qobject_cast<const QMenu*>(c) || qobject_cast<const QMenuBar*>(c))
            continue;
        QString shows;
        if (auto* l = qobject_cast<const QLabel*>(c))
            shows = l->text();
        else if (auto* e = qobject_cast<const QLineEdit*>(c))
            shows = e->text();
        else if (auto* g = qobject_cast<const QGroupBox*>(c))
            shows = g->title();
        else if (auto* b = qobject_cast<const QCheckBox*>(c))
            shows = QString::number(b->checkState());
        else if (auto* x = qobject_cast<const QComboBox*>(c))
            shows = QString::number(x->currentIndex());
        lines << QStringLiteral("%1 '%2' %3,%4 %5x%6%7%8")
                     .arg(c->objectName(), shows)
                     .arg(twips::Left(c))
                     .arg(twips::Top(c))
                     .arg(twips::Width(c))
                     .arg(twips::Height(c))
                     .arg(c->isHidden() ? " hidden" : "", c->isEnabled() ? "" : " disabled");
    }
    for (const QAction* a : w.findChildren<QAction*>()) {
        const QString name = a->objectName().isEmpty() && a->menu() ? a->menu()->objectName() : a->objectName();
        if (name.isEmpty())
            continue;
        lines << QStringLiteral("menu %1 '%2'%3%4%5")
                     .arg(name, a->text(), a->isVisible() ? "" : " hidden", a->isEnabled() ? "" : " disabled",
                          a->isChecked() ? " ticked" : "");
    }
    lines.sort();
    return lines.join('\n');
}

// The lines in which two snapshots differ, "-" for the first and "+" for the second; "" when equal.
inline QString SnapshotDifference(const QString& a, const QString& b)
{
    const QStringList la = a.split('\n'), lb = b.split('\n');
    QStringList out;
    for (const QString& l : la)
        if (!lb.contains(l))
            out << "- " + l;
    for (const QString& l : lb)
        if (!la.contains(l))
            out << "+ " + l;
    return out.join('\n');
}

// The unit state the layout sets, in one line.
inline QString LayoutStateSnapshot(const Program& p)
{
    const UnitFeatures& f = p.unit.features;
    const CathodeSettings& c = p.unit.cathode;
    return QStringLiteral("paramLog %1 faultLog %2 helix %3 '%4' xmit %5/%6 fan %7/%8 life %9 '%10' "
                          "cathode %11/%12/%13/%14/%15 display %16/%17 cfgPN %18")
        .arg(f.HasParamLog)
        .arg(f.FullFaultLogSize)
        .arg(f.HelixCurrentRatio)
        .arg(f.HelixCurrentTripLevel)
        .arg(f.HasXmitRestore)
        .arg(f.XmitRestoreDisabled)
        .arg(f.FanControlTemp)
        .arg(f.HasFanControlTemp)
        .arg(f.TwtLifeAvailable)
        .arg(f.TwtLifeText)
        .arg(c.CathodeCurrentEnabled)
        .arg(c.CathodeCurrentMonitor)
        .arg(c.CathodeCurrentScalar)
        .arg(c.IdealCathodeCurrent)
        .arg(c.NegativeAnodeEnabled)
        .arg(p.display.CathodeDisplayModel)
        .arg(p.display.DualHelixDisplay)
        .arg(p.unit.id.ModelCfgPartNo);
}
