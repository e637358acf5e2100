#include "ui/frmLLDPConfigUi.h"
#include "ui/DialogParts.h"
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

using dialogparts::named;

const char* const frmLLDPConfigUi::HostnameRule = "5 - 255 ASCII characters, no ;";
const char* const frmLLDPConfigUi::HostnameRuleInFull =
    "5 - 255 characters: letters A-Z and a-z, digits, blanks and the ASCII signs, but not ;";

namespace {

// One captioned, centred box in the next row of `grid`, wide enough for a whole UUID.
QLineEdit* row(QGridLayout* grid, const char* objectName, const char* caption, const char* accessible, int maxLength,
               const char* tooltip = nullptr)
{
    QWidget* frame = grid->parentWidget();
    auto* label = new QLabel(QString::fromLatin1(caption), frame);
    auto* box = named(new QLineEdit(frame), objectName);
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(maxLength);
    box->setAccessibleName(QString::fromLatin1(accessible));
    if (tooltip)
        box->setToolTip(QString::fromLatin1(tooltip));
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(40, QLatin1Char('0'))));
    label->setBuddy(box);
    const int r = grid->rowCount();
    grid->addWidget(label, r, 0);
    grid->addWidget(box, r, 1);
    return box;
}

QPushButton* defaultsButton(QGridLayout* grid, const char* objectName, const char* section)
{
    auto* button = named(new QPushButton(QStringLiteral("Set Defaults"), grid->parentWidget()), objectName);
    button->setAccessibleDescription(QString::fromLatin1(section));
    grid->addWidget(button, grid->rowCount(), 1, Qt::AlignRight);
    return button;
}

}   // namespace

void frmLLDPConfigUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("frmLLDPConfig"));
    dialog->setWindowTitle(QStringLiteral("Link Layer Discovery Protocol"));
    dialog->setSizeGripEnabled(true);

    auto* content = new QWidget;
    frmUserLLDP = named(new QGroupBox(QStringLiteral("User Set LLDP Parameters"), content), "frmUserLLDP");
    auto* user = new QGridLayout(frmUserLLDP);
    txtlldpTxTimer = row(user, "txtlldpTxTimer", "TX Timer:", "TX timer", 5, "30 - 65534");
    txtlldpHoldtime = row(user, "txtlldpHoldtime", "Holdtime:", "Hold time", 5, "0 - 65535");
    txtlldpReinitDelay = row(user, "txtlldpReinitDelay", "Reinit Delay:", "Reinit delay", 1, "2 - 5");
    txtlldpHostname = row(user, "txtlldpHostname", "Hostname::", "Host name", 255, HostnameRuleInFull);
    txtlldpHostname->setAccessibleDescription(QString::fromLatin1(HostnameRuleInFull));
    lblHostnameRule = named(new QLabel(QString::fromLatin1(HostnameRule), frmUserLLDP), "lblHostnameRule");
    lblHostnameRule->setAccessibleName(lblHostnameRule->text());
    lblHostnameRule->setWordWrap(true);
    user->addWidget(lblHostnameRule, user->rowCount(), 1);
    btnUserDefaults = defaultsButton(user, "btnUserDefaults", "User LLDP parameters");

    frmFactLLDP = named(new QGroupBox(QStringLiteral("Factory Set LLDP Parameters"), content), "frmFactLLDP");
    auto* factory = new QGridLayout(frmFactLLDP);
    txtlldpMED = row(factory, "txtlldpMED", "MED:", "MED", 9);
    txtlldpHWRev = row(factory, "txtlldpHWRev", "Hardware Rev:", "Hardware revision", 3);
    txtlldpUUID = row(factory, "txtlldpUUID", "Unique Device ID:", "Unique device ID", 36);
    btnFactDefaults = defaultsButton(factory, "btnFactDefaults", "Factory LLDP parameters");

    auto* groups = new QVBoxLayout(content);
    groups->setContentsMargins(0, 0, 0, 0);
    groups->addWidget(frmUserLLDP);
    groups->addWidget(frmFactLLDP);
    groups->addStretch();

    // The factory group lies below the window's lower edge until the operator enlarges
    // the window (or tabs into it, which scrolls it into view).
    sections = named(new QScrollArea(dialog), "sections");
    sections->setFrameShape(QFrame::NoFrame);
    sections->setFocusPolicy(Qt::NoFocus);
    sections->setWidgetResizable(true);
    sections->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sections->setWidget(content);
    const int scrollBar = sections->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, sections);
    sections->setMinimumWidth(content->minimumSizeHint().width() + scrollBar);

    btnOK = named(new QPushButton(QStringLiteral("OK"), dialog), "btnOK");
    btnClose = named(new QPushButton(QStringLiteral("Close"), dialog), "btnClose");
    chkEnable = named(new QCheckBox(QStringLiteral("Enable"), dialog), "chkEnable");
    // Enter in a box presses no button.
    for (QPushButton* b : {btnUserDefaults, btnFactDefaults, btnOK, btnClose})
        b->setAutoDefault(false);
    auto* right = new QVBoxLayout;
    right->addWidget(btnOK);
    right->addWidget(btnClose);
    right->addWidget(chkEnable);
    right->addStretch();

    auto* columns = new QHBoxLayout(dialog);
    columns->addWidget(sections, 1);
    columns->addLayout(right);

    const QMargins m = columns->contentsMargins();
    const int shown = qMax(frmUserLLDP->sizeHint().height(), right->sizeHint().height());
    dialog->resize(columns->sizeHint().width(), shown + m.top() + m.bottom());

    QWidget* const order[] = {txtlldpTxTimer,  txtlldpHoldtime, txtlldpReinitDelay, txtlldpHostname,
                              btnUserDefaults, txtlldpMED,      txtlldpHWRev,       txtlldpUUID,
                              btnFactDefaults, btnOK,           btnClose,           chkEnable};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
