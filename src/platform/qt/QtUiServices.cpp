#include "platform/qt/QtUiServices.h"

#include "platform/FilePaths.h"
#include "platform/LossyPath.h"

#include <QByteArray>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <filesystem>
#include <system_error>
#include <utility>

namespace {

QString ApplicationTitle() {
    return QStringLiteral("Orbelan");
}

// Plan files first, as the framework lists the document type before all files.
void OfferPlanFiles(QFileDialog& dialog) {
    dialog.setNameFilters({QStringLiteral("Orbelan (*.Orbe)"), QStringLiteral("All Files (*)")});
}

// A folder is read this far for a name that the dialog could not show as it is.
constexpr std::size_t kMaxFolderEntries = 100000;

std::string NameAsQtShowsIt(const std::string& name) {
    return QFile::decodeName(QByteArray::fromStdString(name)).toStdString();
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

bool QtUiServices::AskYesNoDefaultYes(const std::string& question, const std::string& detail) {
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setInformativeText(QString::fromStdString(detail));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtUiServices::ChooseOpenFile() {
    QFileDialog dialog(m_parent, QStringLiteral("Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    OfferPlanFiles(dialog);
    return RunFileDialog(dialog, {});
}

std::optional<std::string> QtUiServices::ChooseSaveFile(const std::string& proposedPath) {
    QFileDialog dialog(m_parent, QStringLiteral("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    OfferPlanFiles(dialog);
    dialog.setDefaultSuffix(QStringLiteral("Orbe"));
    dialog.selectFile(QString::fromStdString(proposedPath));
    return RunFileDialog(dialog, proposedPath);
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
    return RunFileDialog(dialog, proposedPath);
}

std::optional<std::string> QtUiServices::RunFileDialog(QFileDialog& dialog,
                                                       const std::string& proposedPath) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    // Qt reads a file name that is not UTF-8 with U+FFFD in it, which names no file: the bytes
    // are found again, so that the file opened or replaced is the one the dialog showed.
    const std::string chosen = dialog.selectedFiles().constFirst().toStdString();
    const LossyPathMatch match =
        FindLossyPath(chosen, proposedPath, NameAsQtShowsIt, kMaxFolderEntries);
    if (match.status != LossyPathMatch::Status::Found) {
        ShowMessage(DescribeLossyPathProblem(match, kMaxFolderEntries));
        return std::nullopt;
    }
    // The dialog asks before a file is replaced, but it did not see this one.
    std::error_code error;
    if (dialog.acceptMode() == QFileDialog::AcceptSave && match.path != chosen &&
        std::filesystem::exists(PathFromUtf8(match.path), error) &&
        !AskYesNo(FileNameOf(chosen) + " already exists.\nDo you want to replace it?"))
        return std::nullopt;
    return match.path;
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
