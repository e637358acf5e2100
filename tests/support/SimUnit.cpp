#include "support/SimUnit.h"

SimUnit::SimUnit(SimUnitProfile profile) : profile_(std::move(profile)) {}

SimAnswer SimUnit::answer(char address, const QByteArray& command)
{
    std::lock_guard lock(mutex_);
    SimAnswer a;
    a.address = profile_.address;
    if (address != profile_.address && !profile_.answerAnyAddress) {
        a.how.kind = SimBehaviour::Silent;
        return a;
    }
    commands_.append(command);
    for (const auto& feature : features_) {
        if (auto own = feature->answer(profile_, command)) {
            own->address = a.address;   // a feature that moves the unit's address answers from the old one
            return *own;
        }
    }
    a.how = profile_.behaviourFor(command);
    if (a.how.kind == SimBehaviour::Answer && !profile_.knows(command))
        a.how.kind = SimBehaviour::Silent;   // nothing to answer with
    a.data = profile_.replies.value(command);
    return a;
}

void SimUnit::setProfile(const SimUnitProfile& profile)
{
    std::lock_guard lock(mutex_);
    profile_ = profile;
}

void SimUnit::editProfile(const std::function<void(SimUnitProfile&)>& edit)
{
    std::lock_guard lock(mutex_);
    edit(profile_);
}

SimUnitProfile SimUnit::profile() const
{
    std::lock_guard lock(mutex_);
    return profile_;
}

QByteArrayList SimUnit::commands() const
{
    std::lock_guard lock(mutex_);
    return commands_;
}

void SimUnit::clearCommands()
{
    std::lock_guard lock(mutex_);
    commands_.clear();
}

void SimUnit::addFeature(std::shared_ptr<SimUnitFeature> feature)
{
    std::lock_guard lock(mutex_);
    features_.push_back(std::move(feature));
}
