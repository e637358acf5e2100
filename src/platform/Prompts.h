#pragma once
#include <QString>

class QDialog;

enum class PromptIcon { None, Information, Exclamation, Critical, Question };
// OkCancelDefaultCancel: OK and Cancel with Cancel the default button (Enter cancels);
// YesNoDefaultNo: Yes and No with No the default.
enum class PromptButtons { Ok, OkCancel, OkCancelDefaultCancel, YesNo, YesNoCancel, YesNoDefaultNo };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// Message boxes, input boxes and file dialogs.
class IPrompts {
public:
    virtual ~IPrompts() = default;
    virtual PromptAnswer message(const QString& text, const QString& title, PromptIcon icon = PromptIcon::Exclamation,
                                 PromptButtons buttons = PromptButtons::Ok) = 0;
    // Empty answer on Cancel.
    virtual QString input(const QString& prompt, const QString& title, const QString& proposed = QString()) = 0;
    // Empty path on Cancel. filter in "Text Files (*.txt)|*.txt|All Files (*.*)|*.*" form.
    virtual QString openFile(const QString& title, const QString& folder, const QString& filter) = 0;
    virtual QString saveFile(const QString& title, const QString& folder, const QString& filter,
                             const QString& proposedName = QString()) = 0;
    // Shows a dialog modally and returns its result (exec()); a test answers it from a
    // script without a nested event loop.
    virtual int runModal(QDialog& dialog) = 0;
};
