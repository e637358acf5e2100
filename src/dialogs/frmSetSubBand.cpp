#include "dialogs/frmSetSubBand.h"
#include "commands/UnitConfig.h"
#include "dialogs/DialogKeys.h"
#include <QRadioButton>

frmSetSubBand::frmSetSubBand(const UnitConfig& config, std::function<void(qint16)> setCurrentSubBand, QWidget* parent)
    : QDialog(parent), config_(config), setCurrentSubBand_(std::move(setCurrentSubBand))
{
    ui.setupUi(this);
    // Operator choices only: a click or Space. The arrow keys browse without choosing.
    for (int i = 0; i < 8; ++i)
        connect(ui.optSelectedSB[static_cast<size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { optSelectedSB_Click(i); });
    dialogkeys::MakeOptionGroup(options());
    Form_Load();
}

QList<QAbstractButton*> frmSetSubBand::options() const { return {ui.optSelectedSB.begin(), ui.optSelectedSB.end()}; }

// A sub-band without a frequency gets no button; the others keep their own numbers.
void frmSetSubBand::Form_Load()
{
    FillingOptions = true;
    for (int n = 1; n <= 8; ++n) {
        const QString& freq = config_.SubBandFreqs[static_cast<size_t>(n)];
        QRadioButton* option = ui.optSelectedSB[static_cast<size_t>(n - 1)];
        option->setText(QStringLiteral("#%1  %2 GHz").arg(n).arg(freq));
        option->setVisible(!freq.isEmpty());
    }
    const int current = config_.CurrentSubBand;
    const bool shown = current >= 1 && current <= 8 && !ui.optSelectedSB[static_cast<size_t>(current - 1)]->isHidden();
    dialogkeys::SelectOption(options(), shown ? current - 1 : -1);
    FillingOptions = false;
}

void frmSetSubBand::optSelectedSB_Click(int index)
{
    if (FillingOptions)
        return;
    dialogkeys::SelectOption(options(), index);
    // The current sub-band chosen again: nothing to send, and the dialog stays open.
    if (index + 1 == config_.CurrentSubBand)
        return;
    if (setCurrentSubBand_)
        setCurrentSubBand_(static_cast<qint16>(index + 1));
    accept();
}
