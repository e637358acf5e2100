#include "link/frmLocateIP.h"
#include "link/LinkContext.h"
#include "link/TargetEntries.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {
const QString BroadcastAddress = QStringLiteral("255.255.255.255");
const QString SearchComplete = QStringLiteral("Search Complete");
}   // namespace

frmLocateIP::frmLocateIP(LinkContext& p, QWidget* parent) : QDialog(parent), p_(p), udpSock_(p.platform.udp)
{
    ui.setupUi(this);
    connect(ui.btnSearch, &QPushButton::clicked, this, &frmLocateIP::btnSearch_Click);
    connect(ui.btnClose, &QPushButton::clicked, this, &frmLocateIP::btnClose_Click);
    connect(ui.Timer1, &QTimer::timeout, this, &frmLocateIP::Timer1_Timer);
    // A double-click anywhere in the list counts, also below the last line.
    ui.lstIPAdrs->viewport()->installEventFilter(this);
    udpSock_.onDataArrival = [this](int bytes) { udpSock_DataArrival(bytes); };
    udpSock_.onError = [this](const IUdpSocket::ErrorEvent& e) { udpSock_Error(e); };
    Form_Load();
}

frmLocateIP::~frmLocateIP()
{
    udpSock_.onDataArrival = nullptr;
    udpSock_.onError = nullptr;
    udpSock_.close();
}

void frmLocateIP::Form_Load()
{
    udpSock_.bind(locator::LocalPort);
    ui.txtPortNum->setText(QString::number(p_.linkDialogs.LocatedTcpPort));
    ui.btnSearch->setEnabled(false);
    ui.Timer1->start();
}

void frmLocateIP::Timer1_Timer()
{
    ui.Timer1->stop();
    Search();
    ui.btnSearch->setEnabled(true);
}

void frmLocateIP::btnSearch_Click()
{
    ui.btnSearch->setEnabled(false);
    ui.lstIPAdrs->clear();
    Search();
    ui.btnSearch->setEnabled(true);
}

void frmLocateIP::btnClose_Click() { reject(); }

void frmLocateIP::Search()
{
    table_.fill(Entry{});
    replyCount_ = 0;
    udpSock_.setRemoteHost(BroadcastAddress);
    udpSock_.setRemotePort(locator::DiscoveryPort);
    if (!udpSock_.send(locator::DiscoveryRequest())) {
        // No network: nothing can answer, so say why once and leave the list empty.
        ui.lstIPAdrs->clear();
        udpSock_Error(udpSock_.lastError());
        return;
    }
    for (int round = 0; round < 5; ++round) {
        p_.platform.clock.sleepMs(100);
        p_.platform.clock.processEvents();
        if (replyCount_ == 99)
            break;
    }
    for (const Entry& entry : table_)
        if (!entry.address.isEmpty())
            ui.lstIPAdrs->addItem(locator::ListLine(entry.address, entry.text));
    ui.lstIPAdrs->addItem(SearchComplete);
}

void frmLocateIP::udpSock_DataArrival(int)
{
    const QString reply = QString::fromLatin1(udpSock_.getData());
    if (replyCount_ >= locator::TableSize || !locator::ReplyAccepted(reply))
        return;
    table_[static_cast<size_t>(replyCount_)] = {udpSock_.remoteHostIP(), locator::ReplyText(reply)};
    ++replyCount_;
}

void frmLocateIP::udpSock_Error(const IUdpSocket::ErrorEvent& error)
{
    showBox(QStringLiteral("UDP Error No: ") + QString::number(error.number) + QStringLiteral("\r\nDescr: ") +
                error.description,
            QStringLiteral("Network Error"));
}

void frmLocateIP::lstIPAdrs_DblClick()
{
    const QListWidgetItem* item = ui.lstIPAdrs->currentItem();
    const QString line = item ? item->text() : QString();
    const QString first = line.split(QLatin1Char(' ')).first();
    LinkDialogState& out = p_.linkDialogs;
    if (!MatchesIPPattern(first)) {
        out.LocatedIPAddress.clear();
        showBox(QStringLiteral("Invalid Entry"), QStringLiteral("ID Entry Error"));
        return;
    }
    const std::optional<qint32> port = locator::PortEntry(ui.txtPortNum->text(), out.LocatedTcpPort);
    if (!port) {
        showBox(QStringLiteral("Port Number must be from 1 to 65535"), QStringLiteral("Port Number Error"));
        return;
    }
    out.LocatedIPAddress = first.trimmed();
    out.LocatedTcpPort = *port;
    accept();
}

bool frmLocateIP::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.lstIPAdrs->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        QTimer::singleShot(0, this, &frmLocateIP::lstIPAdrs_DblClick);
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

void frmLocateIP::showBox(const QString& text, const QString& title)
{
    p_.platform.prompts.message(text, title, PromptIcon::Exclamation, PromptButtons::Ok);
}
