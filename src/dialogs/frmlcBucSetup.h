#pragma once
#include "ui/frmlcBucSetupUi.h"
#include <QDialog>
#include <QTimer>
#include <functional>

struct CommandContext;
struct DialogsState;
class QKeyEvent;

// The block up-converter's set-up: sets its IF attenuation (typed, stepped by 0.5 dB, or
// raised by the overdrive level) and refreshes its readings every 700 ms while open. The
// layout follows the up-converter's mode; the readings refresh only when one is installed.
// A failed status probe closes the dialog as OK does.
class frmlcBucSetup : public QDialog {
    Q_OBJECT
public:
    frmlcBucSetup(CommandContext& p, DialogsState& dialogs, QWidget* parent = nullptr);
    ~frmlcBucSetup() override;

    frmlcBucSetupUi ui;
    QTimer Timer1;   // the refresh, on from the end of the load until the dialog closes

    void btnOK_Click();
    void txtlcBucA_KeyPress();    // Enter in the attenuation box
    void txtlcBucA_LostFocus();   // the operator left the attenuation box
    void UpDown1_UpClick();
    void UpDown1_DownClick();
    void btnadjAtn_Click();
    void Timer1_Timer();

    void done(int result) override;

private:
    void Form_Load();
    void Form_Unload();
    // True discards the key.
    bool attenuationKey(const QKeyEvent& key);
    bool IsValidKey(QChar typed);
    void attenuationLeft(Qt::FocusReason reason);
    void stepAttenuation(bool up);
    // Sends "PBCA" + the box's text; true when the unit took it.
    bool sendAttenuationBox();
    void UpdatelcBucPwr();
    void UpdatelcBucIdeal();
    void UpdateTemperature();
    // Runs an operator's action now, or once a reading in progress has its reply.
    void whenLinkFree(std::function<void()> action);

    CommandContext& p_;
    DialogsState& dialogs_;
    bool installed_ = false;   // an up-converter is installed: the readings refresh
    bool ticking_ = false;     // a refresh is in progress
    bool closed_ = false;
};
