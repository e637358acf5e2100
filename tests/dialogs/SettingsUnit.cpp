#include "SettingsUnit.h"
#include "link/Transaction.h"
#include "support/SimUnitProfile.h"

// Takes or refuses each setting command (no "?" in it) that the profile does not decide.
class SettingsUnit::Settings : public SimUnitFeature {
public:
    std::optional<SimAnswer> answer(SimUnitProfile& profile, const QByteArray& command) override
    {
        if (command.contains('?') || profile.behaviour.contains(command))
            return std::nullopt;
        SimAnswer a;
        if (refusing)
            a.how.kind = SimBehaviour::Nak;
        return a;
    }
    std::atomic<bool> refusing = false;
};

SettingsUnit::SettingsUnit(UnitLink link)
    : settings_(std::make_shared<Settings>()), linked_(link, QuickProfile(sspaProfile()), {.prompts = &prompts})
{
    if (!linked_.ready())
        return;
    unit_ = linked_.unit;
    program_ = linked_.program;
    if (linked_.serial)
        BeginConnection(*program_, false);
    unit_->addFeature(settings_);
    program_->conn.RemoteMode = true;
}

SettingsUnit::~SettingsUnit() = default;

QStringList SettingsUnit::sent() const
{
    QStringList all;
    for (const QByteArray& c : unit_->commands())
        all << QString::fromLatin1(c);
    return all;
}

void SettingsUnit::clear()
{
    unit_->clearCommands();
    prompts.boxes.clear();
}

QStringList SettingsUnit::boxes() const
{
    QStringList all;
    for (const FakePrompts::Box& b : prompts.boxes)
        all << b.title + ": " + b.text;
    return all;
}

void SettingsUnit::refuseAll(bool refuse) { settings_->refusing = refuse; }

void SettingsUnit::refuse(const QByteArrayList& commands)
{
    unit_->editProfile([&](SimUnitProfile& profile) {
        for (const QByteArray& c : commands)
            profile.behaviour[c].kind = SimBehaviour::Nak;
    });
}

bool SettingsUnit::showDialog(QDialog& dialog, const std::function<void(QDialog&)>& operate)
{
    bool closed = false;
    const QMetaObject::Connection c = QObject::connect(&dialog, &QDialog::finished, [&closed] { closed = true; });
    prompts.modal = [&](QDialog& d) {
        operate(d);
        return d.result();
    };
    program_->platform.prompts.runModal(dialog);
    QObject::disconnect(c);
    prompts.modal = nullptr;
    return closed;
}
