#pragma once
// The main window on the simulated unit (LinkedWindow) with sleeps that take no time, and a
// record of each switch of the poll timer with the number of commands the unit had
// received by then ("off@1": switched off after the first command).
#include "LinkedWindow.h"
#include "support/SkipClock.h"
#include <QStringList>

struct ControlsWindow {
    ControlsWindow(UnitLink link, SimUnitProfile profile) : u(link, QuickProfile(std::move(profile)))
    {
        if (!u.ready())
            return;
        (u.linked.tcp ? u.linked.tcp->clock : u.linked.serial->clock).to = &clock;
        u.p().LinkObject.setClock(&clock);
        u.w().Timer1.setInterval(600000);   // never fires by itself within a test
        const auto setTimer = u.p().hooks.setPollTimer;
        u.p().hooks.setPollTimer = [this, setTimer](bool on) {
            timerSwitches << QString("%1@%2").arg(on ? "on" : "off").arg(u.unit().commands().size());
            setTimer(on);
        };
    }

    SkipClock clock;
    LinkedWindow u;
    QStringList timerSwitches;
    qint64 elapsedMs = 0;   // on the window's clock, while the case acted
};
