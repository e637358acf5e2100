#include "ui/IndicatorListArea.h"
#include "ui/frmMainUi.h"
#include <QGroupBox>
#include <QLabel>

namespace {

// The rows start at the lists' first row Top, right below the frame's caption.
constexpr int ListAreaTopTwips = 240;

IndicatorListArea* listArea(QWidget* frame, const char* objectName, const char* accessible,
                            const std::array<std::array<QLabel*, 6>, 4>& bytes, QLabel* emptyRow)
{
    auto* area = new IndicatorListArea(frame, ListAreaTopTwips);
    area->setObjectName(QString::fromLatin1(objectName));
    area->setAccessibleName(QString::fromLatin1(accessible));
    for (const auto& labels : bytes)
        for (QLabel* l : labels)
            area->adopt(l);
    area->adopt(emptyRow);
    area->fitContent();
    return area;
}

}   // namespace

void buildIndicatorListAreas(frmMainUi& ui)
{
    ui.FaultList = listArea(ui.Frame28, "FaultList", "Fault list", ui.faultBytes(), ui.NoFaults);
    ui.AlarmList = listArea(ui.Frame26, "AlarmList", "Alarm list", ui.alarmBytes(), ui.NoAlarms);
}
