// Every dialog's buttons keep their captions clear of their edges at 100% and 200%.
#include "transfers/LogDownloads.h"
#include "app/frmMain.h"
#include "dialogs/FrmPowerSave.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmAmpCom.h"
#include "dialogs/frmCmdLine.h"
#include "dialogs/frmEnetCfg.h"
#include "dialogs/frmGainBal.h"
#include "dialogs/frmLLDPConfig.h"
#include "dialogs/frmPwrLimit.h"
#include "dialogs/frmSetSubBand.h"
#include "dialogs/frmStartup.h"
#include "dialogs/frmTempLimits.h"
#include "dialogs/frmlcBucSetup.h"
#include "link/frmCom.h"
#include "support/InkExtent.h"
#include "support/TestProgram.h"
#include "transfers/frmCalFactors.h"
#include "transfers/frmLogs.h"
#include "transfers/frmTrendLogs.h"
#include <gtest/gtest.h>
#include <memory>

TEST(DialogButtons, EveryCaptionKeepsClearOfItsButtonsEdgesAtBothScales)
{
    TestProgram t;
    t.p().unit.config.LcBucMode = 1;   // the up-converter's adjust button shown
    frmMain w(t.p());
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.emplace_back(std::make_unique<frmAbout>(t.prompts, t.sysInfo));
    dialogs.emplace_back(std::make_unique<frmAmpCom>(t.p()));
    dialogs.emplace_back(std::make_unique<frmCmdLine>(t.p()));
    dialogs.emplace_back(std::make_unique<frmEnetCfg>(t.p(), t.p().dialogs));
    dialogs.emplace_back(std::make_unique<frmGainBal>(t.p()));
    dialogs.emplace_back(std::make_unique<frmLLDPConfig>(t.p()));
    dialogs.emplace_back(std::make_unique<frmPwrLimit>(t.p(), typednum::Bounds{}));
    dialogs.emplace_back(std::make_unique<frmSetSubBand>(t.p().unit.config, nullptr));
    dialogs.emplace_back(std::make_unique<frmStartup>(t.p()));
    dialogs.emplace_back(std::make_unique<frmTempLimits>(t.p()));
    dialogs.emplace_back(std::make_unique<frmlcBucSetup>(t.p(), t.p().dialogs));
    dialogs.emplace_back(std::make_unique<FrmPowerSave>(t.p()));
    dialogs.emplace_back(std::make_unique<frmCom>(t.p()));
    dialogs.emplace_back(std::make_unique<frmLogs>(t.p(), w.logs()));
    dialogs.emplace_back(std::make_unique<frmTrendLogs>(t.p(), w.logs()));
    dialogs.emplace_back(std::make_unique<frmCalFactors>(t.p()));
    for (const auto& d : dialogs) {
        d->adjustSize();
        for (const qreal dpr : {1.0, 2.0})
            EXPECT_EQ(CrampedButtons(d.get(), dpr).join('\n').toStdString(), "")
                << d->objectName().toStdString() << " at " << dpr;
    }
}
