#pragma once
#include "platform/Prompts.h"

class QWidget;

class QtPrompts final : public IPrompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    PromptAnswer message(const QString& text, const QString& title, PromptIcon icon, PromptButtons buttons) override;
    QString input(const QString& prompt, const QString& title, const QString& proposed) override;
    QString openFile(const QString& title, const QString& folder, const QString& filter) override;
    QString saveFile(const QString& title, const QString& folder, const QString& filter,
                     const QString& proposedName) override;
    int runModal(QDialog& dialog) override;

private:
    QWidget* parent_;
};
