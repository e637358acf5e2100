#pragma once
// The summary, fault and alarm panels of the main window and the names of their rows.
#include "status/FaultAlarmNames.h"
#include "status/FaultDecode.h"
#include "status/IndicatorList.h"
#include "status/SummaryDecode.h"
#include <QString>
#include <array>

class FeatureReads;
class IndicatorListArea;
class QCheckBox;
class QComboBox;
class QLabel;
class QWidget;
struct CommandContext;
struct frmMainUi;

class StatusPanels {
public:
    // The controls it reads and writes.
    struct Controls {
        QLabel* Label31 = nullptr;
        QLabel* Label32 = nullptr;
        QLabel* Label33 = nullptr;
        QLabel* Label34 = nullptr;
        QLabel* Label35 = nullptr;
        QLabel* Label36 = nullptr;
        QLabel* Label13 = nullptr;
        QLabel* lblSBUCWarmup = nullptr;
        QLabel* lbllcBucDrive = nullptr;
        QLabel* NoFaults = nullptr;
        std::array<QLabel*, 6> FaultAbit{};
        std::array<QLabel*, 6> FaultBbit{};
        std::array<QLabel*, 6> FaultCbit{};
        std::array<QLabel*, 6> FaultDbit{};
        std::array<QLabel*, 6> AlarmAbit{};
        std::array<QLabel*, 6> AlarmBbit{};
        std::array<QLabel*, 6> AlarmCbit{};
        std::array<QLabel*, 6> AlarmDbit{};
        QLabel* NoAlarms = nullptr;
        IndicatorListArea* FaultList = nullptr;
        IndicatorListArea* AlarmList = nullptr;
        QCheckBox* chkConstPwr = nullptr;
        QCheckBox* chkPS = nullptr;
        QComboBox* cmbWgSw1 = nullptr;
        QComboBox* cmbWgSw2 = nullptr;
        QCheckBox* chkAutoMode = nullptr;
        QComboBox* cmbWgCfg = nullptr;
        std::array<std::array<QLabel*, 6>, 4> faultBytes() const
        {
            return {FaultAbit, FaultBbit, FaultCbit, FaultDbit};
        }
        std::array<std::array<QLabel*, 6>, 4> alarmBytes() const
        {
            return {AlarmAbit, AlarmBbit, AlarmCbit, AlarmDbit};
        }
    };
    StatusPanels(CommandContext& p, const frmMainUi& controls, FeatureReads& features);
    void InitFaultsAlarms();
    void InitFaultNames();
    void InitAlarmNames();
    void SetAlarmStatus(const QString& field);
    void SetTWTAlarmStatus(const QString& field);
    void SetSSAAlarmStatus(const QString& field);
    void SetFaultStatus(const QString& field);
    void SetTWTAFaultStatus(const QString& field);
    void SetSSPAFaultStatus(const QString& field);
    void SetSummaryStatus(const QString& field);
    void SetTWTASummaryStatus(const QString& field);   // the family routines of the panels
    void SetSSPASummaryStatus(const QString& field);
    void SetAutoModeSumStatus(int byteC);   // waveguide switches and automatic mode
    void ClearSummaryStatus();
    void ClearFaultStatus();
    // List layout in twips, set by InitFaultsAlarms.
    qint16 FirstRowTop = 0;
    qint16 RowPitch = 0;
    qint16 ListLeft = 0;

private:
    CommandContext& p;
    FeatureReads& features_;
    Controls ui;
    status::NameInputs nameInputs() const;
    void placeRow(QWidget* label, int row, bool keepLeft);
    void applyList(const status::ListDecoding& d, const std::array<std::array<QLabel*, 6>, 4>& bytes, QLabel* emptyRow,
                   IndicatorListArea* area);
    void applyFaults(const status::FaultDecoding& d);
    QLabel* summaryLabel(status::SummaryLabel label) const;
    void applySummary(const status::SummaryDecoding& d, const QString& field);
};
