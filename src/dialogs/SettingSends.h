#pragma once
// What the option dialogs share about the settings they send: a typed number is checked
// before anything of the dialog goes out, and what the unit did not take is told in one box.
#include "platform/TypedNumber.h"
#include <QStringList>
#include <initializer_list>
#include <optional>

class IPrompts;
class QLineEdit;
struct CommandContext;

namespace dialogsends {

// True when `box` holds `unchanged` (the unit's value as the dialog showed it; nullopt when
// every text is checked) or a number `field` takes. Otherwise shows the box naming the field,
// titled as the dialog, puts the focus back in `box` and returns false.
bool Typed(IPrompts& prompts, QLineEdit* box, const std::optional<QString>& unchanged, const typednum::Field& field);

// The settings one action of the operator sends, in turn; those the unit refused or did not
// answer are told together at the end.
class Sends {
public:
    explicit Sends(CommandContext& p) : p_(p) {}
    // Sends the commands in turn until the unit takes one (a command and its fallback); false
    // when it took none, and then `words` name the setting in the box.
    bool send(std::initializer_list<QString> commands, const QString& words);
    // The box naming each setting not taken, titled `title`; none when the unit took them all.
    void tell(const QString& title) const;

private:
    CommandContext& p_;
    QStringList notTaken_;
};

}   // namespace dialogsends
