#pragma once
// The main window on a TestProgram: fake serial line and clock, fake prompts, settings in
// memory, and a fake TCP socket that never leaves the process.
#include "support/TestProgram.h"
#include "app/frmMain.h"
#include <memory>

struct MainWindowProgram : TestProgram {
    explicit MainWindowProgram(const Overrides& with = {}) : TestProgram(with)
    {
        window = std::make_unique<frmMain>(p());
    }
    frmMain& w() { return *window; }

    std::unique_ptr<frmMain> window;
};
