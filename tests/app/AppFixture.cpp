#include "tests/app/AppFixture.h"

#include "view/CTessalyView.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QWindow>

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

const std::vector<ReportRow> kExampleRows = {
    {"2000", "1778", "1778", "1050", "0"},  {"2001", "874", "2652", "1103", "-600"},
    {"2002", "53", "2105", "2105", "-637"}, {"2003", "47", "1515", "1515", "-750"},
    {"2004", "25", "790", "790", "-750"},   {"2005", "2", "42", "42", "-608"},
};

namespace {

const std::string kRecentFileSection = "Recent File List";

std::string RecentFileKey(int number) {
    return "File" + std::to_string(number);
}

template <typename Child> Child& FindChild(const QObject& parent, const char* objectName) {
    auto* child = parent.findChild<Child*>(QString::fromLatin1(objectName));
    if (child == nullptr)
        throw std::runtime_error(std::string("no child named ") + objectName);
    return *child;
}

} // namespace

bool AppFixture::Start(const std::vector<std::string>& arguments) {
    app.emplace(settings, ui);
    if (!app->InitInstance(arguments))
        return false;
    // Shortcuts only reach the active window.
    QApplication::setActiveWindow(&Frame());
    return true;
}

CMainFrame& AppFixture::Frame() {
    return app->GetMainFrame();
}

QString AppFixture::ShownTitle() {
    return Frame().windowHandle()->title();
}

CTessalyDoc& AppFixture::Document() {
    return app->GetDocument();
}

QAction& AppFixture::Action(const char* id) {
    return FindChild<QAction>(Frame(), id);
}

QMenu& AppFixture::Menu(const char* objectName) {
    return FindChild<QMenu>(Frame(), objectName);
}

QToolBar& AppFixture::ToolBar() {
    return FindChild<QToolBar>(Frame(), "toolBar");
}

std::vector<ReportRow> AppFixture::ShownRows() {
    return ReportRows(Frame().GetView());
}

std::string AppFixture::CopyExample(const std::string& name) {
    const std::string path = folder.FilePath(name);
    std::filesystem::copy_file(ORBELAN_EXAMPLES_DIR "/retirement-example.Orbe", path,
                               std::filesystem::copy_options::overwrite_existing);
    return path;
}

std::string AppFixture::AddNonPlanFile(const std::string& name) {
    return folder.AddFile(name, "this is no plan\r\n");
}

void AppFixture::SetRecentFileSettings(const std::vector<std::string>& paths) {
    for (std::size_t index = 0; index < paths.size(); ++index)
        settings.WriteString(kRecentFileSection, RecentFileKey(static_cast<int>(index) + 1),
                             paths[index]);
}

std::string AppFixture::RecentFileSetting(int number) const {
    return settings.ReadString(kRecentFileSection, RecentFileKey(number));
}

QStringList AppFixture::RecentFileEntries() {
    QMenu& file = Menu("menuFile");
    file.popup(QPoint(0, 0));
    QStringList entries;
    for (int number = 1; number <= 4; ++number) {
        const QAction& entry = Action(("ID_FILE_MRU_FILE" + std::to_string(number)).c_str());
        if (entry.isVisible())
            entries.append(entry.isEnabled() ? entry.text()
                                             : entry.text() + QStringLiteral(" (disabled)"));
    }
    file.hide();
    return entries;
}

void AppFixture::ClickInFileMenu(const char* id) {
    QMenu& file = Menu("menuFile");
    file.popup(QPoint(0, 0));
    QTest::mouseClick(&file, Qt::LeftButton, {}, file.actionGeometry(&Action(id)).center());
}
