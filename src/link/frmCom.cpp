#include "link/frmCom.h"
#include "link/LinkContext.h"
#include "link/SharedRoutines.h"
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QStringList BaudRates = {QStringLiteral("1200"), QStringLiteral("2400"),  QStringLiteral("4800"),
                               QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
                               QStringLiteral("57600")};
}

frmCom::frmCom(LinkContext& p, QWidget* parent) : QDialog(parent), p_(p)
{
    ui.setupUi(this);
    connect(ui.btnOK, &QPushButton::clicked, this, &frmCom::btnOK_Click);
    connect(ui.btnCancel, &QPushButton::clicked, this, &frmCom::btnCancel_Click);
    Form_Load();
}

void frmCom::Form_Load()
{
    const LinkDialogState& in = p_.linkDialogs;
    setWindowTitle(QStringLiteral("Com") + QString::number(in.ComDialogPort) + QStringLiteral(" Port Settings"));
    ui.cbBaud->addItems(BaudRates);
    const QString& settings = in.ComDialogSettings;
    if (settings.isEmpty()) {
        SelectBaud(QStringLiteral("9600"));
        SelectDataBits(QStringLiteral("8"));
        SelectParity(QStringLiteral("N"));
        SelectStopBits(QStringLiteral("1"));
        return;
    }
    SelectBaud(GetBaudFromSettings(settings));
    SelectDataBits(GetDataBitsFromSettings(settings));
    SelectParity(GetParityFromSettings(settings));
    SelectStopBits(GetStopBitsFromSettings(settings));
}

void frmCom::SelectBaud(const QString& baud)
{
    const int index = ui.cbBaud->findText(baud, Qt::MatchExactly);
    ui.cbBaud->setCurrentIndex(index >= 0 ? index : ui.cbBaud->findText(QStringLiteral("9600")));
}

void frmCom::SelectParity(const QString& parity)
{
    QRadioButton* choice = parity == QLatin1String("E")   ? ui.Option4
                           : parity == QLatin1String("O") ? ui.Option3
                                                          : ui.Option5;
    choice->setChecked(true);
}

void frmCom::SelectDataBits(const QString& dataBits)
{
    (dataBits == QLatin1String("7") ? ui.Option1 : ui.Option2)->setChecked(true);
}

void frmCom::SelectStopBits(const QString& stopBits)
{
    (stopBits == QLatin1String("2") ? ui.Option6 : ui.Option7)->setChecked(true);
}

void frmCom::btnOK_Click()
{
    const QString parity = ui.Option5->isChecked()   ? QStringLiteral("N,")
                           : ui.Option4->isChecked() ? QStringLiteral("E,")
                                                     : QStringLiteral("O,");
    p_.linkDialogs.ComDialogSettings = ui.cbBaud->currentText() + QLatin1Char(',') + parity +
                                       (ui.Option2->isChecked() ? QStringLiteral("8,") : QStringLiteral("7,")) +
                                       (ui.Option7->isChecked() ? QStringLiteral("1") : QStringLiteral("2"));
    accept();
}

void frmCom::btnCancel_Click() { reject(); }

void frmCom::reject()
{
    p_.linkDialogs.ComDialogSettings.clear();
    QDialog::reject();
}
