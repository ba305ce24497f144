#include "platform/qt/QtUiServices.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <utility>

namespace {

QString ApplicationTitle() {
    return QStringLiteral("Orbelan");
}

// Plan files first, as the framework lists the document type before all files.
void OfferPlanFiles(QFileDialog& dialog) {
    dialog.setNameFilters({QStringLiteral("Orbelan (*.Orbe)"), QStringLiteral("All Files (*)")});
}

std::optional<std::string> RunFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace

QtUiServices::QtUiServices(std::function<void()> showHelp) : m_showHelp(std::move(showHelp)) {}

void QtUiServices::ShowMessage(const std::string& text, const std::string& detail) {
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(), QString::fromStdString(text),
                    QMessageBox::Ok, m_parent);
    box.setInformativeText(QString::fromStdString(detail));
    box.exec();
}

SaveChangesAnswer QtUiServices::AskSaveChanges(const std::string& prompt) {
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), QString::fromStdString(prompt),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    if (answer == QMessageBox::Yes)
        return SaveChangesAnswer::Yes;
    if (answer == QMessageBox::No)
        return SaveChangesAnswer::No;
    return SaveChangesAnswer::Cancel;
}

bool QtUiServices::AskYesNo(const std::string& question) {
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    // The questions asked this way give something up, so Enter keeps it.
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtUiServices::ChooseOpenFile() {
    QFileDialog dialog(m_parent, QStringLiteral("Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    OfferPlanFiles(dialog);
    return RunFileDialog(dialog);
}

std::optional<std::string> QtUiServices::ChooseSaveFile(const std::string& proposedPath) {
    QFileDialog dialog(m_parent, QStringLiteral("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    OfferPlanFiles(dialog);
    dialog.setDefaultSuffix(QStringLiteral("Orbe"));
    dialog.selectFile(QString::fromStdString(proposedPath));
    return RunFileDialog(dialog);
}

std::optional<std::string> QtUiServices::ChooseExportFile(const std::string& title,
                                                          const std::string& proposedPath,
                                                          const std::string& filter) {
    QFileDialog dialog(m_parent, QString::fromStdString(title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QString::fromStdString(filter), QStringLiteral("All Files (*)")});
    const QString proposed = QString::fromStdString(proposedPath);
    // A name typed without an extension gets the one of the proposed name.
    dialog.setDefaultSuffix(QFileInfo(proposed).suffix());
    dialog.selectFile(proposed);
    return RunFileDialog(dialog);
}

bool QtUiServices::StartDetached(const std::string& program,
                                 const std::vector<std::string>& arguments) {
    QString executable = QString::fromStdString(program);
    // A bare name is looked for along PATH only, never in the current folder.
    if (QFileInfo(executable).fileName() == executable) {
        executable = QStandardPaths::findExecutable(executable);
        if (executable.isEmpty())
            return false;
    }
    QStringList qtArguments;
    for (const std::string& argument : arguments)
        qtArguments.append(QString::fromStdString(argument));
    return QProcess::startDetached(executable, qtArguments);
}

void QtUiServices::ShowHelp() {
    m_showHelp();
}
