// Serves a simulated amplifier unit on 127.0.0.1, so that the program can be tried without
// a unit: connect to the printed port with "Use Ethernet" ticked.
#include "support/SimUnit.h"
#include "support/SimUnitAcknowledge.h"
#include "support/SimUnitControls.h"
#include "support/SimUnitLevels.h"
#include "support/SimUnitProfile.h"
#include "support/SimUnitTcp.h"
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Serves a simulated amplifier unit on 127.0.0.1."));
    parser.addHelpOption();
    const QCommandLineOption profileOption(QStringLiteral("profile"),
                                           QStringLiteral("Unit to simulate: twta, sspa or older-sspa."),
                                           QStringLiteral("name"), QStringLiteral("twta"));
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("TCP port on 127.0.0.1 (default: any free one)."),
                                        QStringLiteral("number"), QStringLiteral("0"));
    const QCommandLineOption ackOption(QStringLiteral("acknowledge-settings"),
                                       QStringLiteral("Acknowledge every setting command the profile does not know."));
    parser.addOption(profileOption);
    parser.addOption(portOption);
    parser.addOption(ackOption);
    parser.process(app);

    const std::map<QString, std::function<SimUnitProfile()>> profiles = {
        {QStringLiteral("twta"), twtaProfile},
        {QStringLiteral("sspa"), sspaProfile},
        {QStringLiteral("older-sspa"), olderSspaProfile},
    };
    QTextStream err(stderr);
    const auto chosen = profiles.find(parser.value(profileOption));
    if (chosen == profiles.end()) {
        err << "Unknown profile; use twta, sspa or older-sspa.\n";
        return 2;
    }
    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port > 65535) {
        err << "The port must be a number from 1 to 65535.\n";
        return 2;
    }
    // Commands outside the profile are refused at once, so a first read does not wait out
    // the link's time-out on every query the profile does not cover.
    SimUnitProfile profile = chosen->second();
    // The unit reports the address it is served on: the program takes the unit's own address
    // as its target at the first read and keeps it at exit, so the next start finds it here.
    if (profile.knows("PEI?"))
        profile.set("PEI?", "PEI127.0.0.1");
    profile.refuseAllUnknown();
    SimUnit unit(profile);
    unit.addFeature(std::make_shared<SimUnitControls>());   // its status follows the controls it is sent
    unit.addFeature(std::make_shared<SimUnitLevels>());     // keeps the level settings it is sent
    if (parser.isSet(ackOption))
        unit.addFeature(std::make_shared<SimUnitAcknowledgeSettings>());
    SimUnitTcp server(unit);
    if (!server.listen(QHostAddress(QHostAddress::LocalHost), static_cast<quint16>(port))) {
        err << "The port could not be had on 127.0.0.1.\n";
        return 1;
    }
    QTextStream out(stdout);
    out << "Simulated " << chosen->first << " unit at 127.0.0.1, port " << server.port() << ", address "
        << unit.profile().address << ". Ctrl+C ends it.\n";
    out.flush();
    return app.exec();
}
