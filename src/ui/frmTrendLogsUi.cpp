#include "ui/frmTrendLogsUi.h"
#include "ui/DialogParts.h"
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using dialogparts::named;

namespace {
QComboBox* rangeList(QWidget* parent, const char* name, const char* accessible)
{
    auto* list = named(new QComboBox(parent), name);
    list->setEditable(false);
    list->setAccessibleName(QString::fromLatin1(accessible));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}
// Room past the caption's measured width: at a scale of 200% the text is drawn a little
// wider than it is measured, and would lose its last letter.
void keepCaptionWhole(QWidget* option)
{
    option->setMinimumWidth(option->sizeHint().width() + 2 * option->fontMetrics().averageCharWidth());
}
}   // namespace

void frmTrendLogsUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("frmTrendLogs"));
    dialog->setWindowTitle(QStringLiteral("Trend Logs"));

    Frame1 = named(new QGroupBox(QStringLiteral("Log Type"), dialog), "Frame1");
    optShortTermLog = named(new QRadioButton(QStringLiteral("Short-Term Log"), Frame1), "optShortTermLog");
    optLongTermLog = named(new QRadioButton(QStringLiteral("Long-Term Log"), Frame1), "optLongTermLog");
    keepCaptionWhole(optShortTermLog);
    keepCaptionWhole(optLongTermLog);
    auto* types = new QVBoxLayout(Frame1);
    types->addWidget(optShortTermLog);
    types->addWidget(optLongTermLog);

    Frame2 = named(new QGroupBox(QStringLiteral("Select Range"), dialog), "Frame2");
    cmbHours = rangeList(Frame2, "cmbHours", "Hours range");
    cmbDays = rangeList(Frame2, "cmbDays", "Days range");
    auto* ranges = new QGridLayout(Frame2);
    ranges->addWidget(cmbHours, 0, 0);   // one place: the list of the chosen log shows
    ranges->addWidget(cmbDays, 0, 0);
    ranges->setRowStretch(1, 1);

    ProgressBar1 = dialogparts::DownloadBar(dialog);
    btnOK = named(new QPushButton(QStringLiteral("OK"), dialog), "btnOK");
    btnCancel = named(new QPushButton(QStringLiteral("Cancel"), dialog), "btnCancel");
    btnOK->setDefault(true);

    auto* frames = new QHBoxLayout;
    frames->addWidget(Frame1);
    frames->addWidget(Frame2);
    auto* body = new QVBoxLayout;
    body->addLayout(frames);
    body->addWidget(ProgressBar1);
    dialogparts::LayOut(dialog, body, {optShortTermLog, optLongTermLog, cmbHours, cmbDays}, {btnOK, btnCancel});
}
