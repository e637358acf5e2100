#pragma once
#include "platform/Prompts.h"
#include <QList>
#include <QStringList>
#include <functional>

// Records every box and answers from a script.
class FakePrompts final : public IPrompts {
public:
    struct Box {
        QString text, title;
        PromptIcon icon;
        PromptButtons buttons = PromptButtons::Ok;
    };

    PromptAnswer message(const QString& text, const QString& title, PromptIcon icon, PromptButtons buttons) override
    {
        boxes.append({text, title, icon, buttons});
        if (whileOpen)
            whileOpen();
        return answers.isEmpty() ? PromptAnswer::Ok : answers.takeFirst();
    }
    QString input(const QString& prompt, const QString& title, const QString& proposed) override
    {
        inputs.append({prompt, title, PromptIcon::None});
        lastProposed = proposed;
        if (whileOpen)
            whileOpen();
        return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
    }
    QString openFile(const QString& title, const QString& folder, const QString& filter) override
    {
        fileDialogs << title;
        fileFolders << folder;
        fileFilters << filter;
        fileProposed << QString();
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
    QString saveFile(const QString& title, const QString& folder, const QString& filter,
                     const QString& proposedName) override
    {
        fileDialogs << title;
        fileFolders << folder;
        fileFilters << filter;
        fileProposed << proposedName;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }

    // Answers a modal dialog; without a script the dialog counts as cancelled (0).
    int runModal(QDialog& dialog) override
    {
        ++modalRuns;
        return modal ? modal(dialog) : 0;
    }

    QList<Box> boxes;
    QList<Box> inputs;
    QString lastProposed;
    QList<PromptAnswer> answers;
    QStringList inputAnswers;
    QStringList fileAnswers;
    QStringList fileDialogs;
    QStringList fileFolders, fileFilters, fileProposed;   // per file dialog, in order
    std::function<int(QDialog&)> modal;
    std::function<void()> whileOpen;   // runs while each message or input box is open
    int modalRuns = 0;
};
