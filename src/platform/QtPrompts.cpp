#include "platform/QtPrompts.h"
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*" -> "Text Files (*.txt);;All Files (*.*)"
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList names;
    for (int i = 0; i < parts.size(); i += 2)
        names << parts[i];
    return names.join(";;");
}
}   // namespace

PromptAnswer QtPrompts::message(const QString& text, const QString& title, PromptIcon icon, PromptButtons buttons)
{
    QMessageBox box(parent_);
    box.setText(text);
    box.setWindowTitle(title);
    switch (icon) {
    case PromptIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case PromptIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case PromptIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case PromptIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case PromptIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case PromptButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case PromptButtons::OkCancelDefaultCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        break;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case PromptButtons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    default:
        return PromptAnswer::Ok;
    }
}

QString QtPrompts::input(const QString& prompt, const QString& title, const QString& proposed)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, proposed, &ok);
    return ok ? answer : QString();
}

QString QtPrompts::openFile(const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent_, title, folder, qtFilter(filter));
}

QString QtPrompts::saveFile(const QString& title, const QString& folder, const QString& filter,
                            const QString& proposedName)
{
    const QString start = proposedName.isEmpty() ? folder : QDir(folder).filePath(proposedName);
    return QFileDialog::getSaveFileName(parent_, title, start, qtFilter(filter));
}

int QtPrompts::runModal(QDialog& dialog) { return dialog.exec(); }
