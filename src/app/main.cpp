#include "app/AppIcon.h"
#include "app/CTessalyApp.h"
#include "app/DisplayCheck.h"
#include "app/HelpWindow.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtUiServices.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ArgumentsAfterProgramName() {
    std::vector<std::string> arguments;
    const QStringList all = QApplication::arguments();
    for (qsizetype index = 1; index < all.size(); ++index)
        arguments.push_back(all[index].toStdString());
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    // Without a display Qt aborts with a trace; a plain hint serves the user better.
    if (!HasDisplay()) {
        std::fputs(NoDisplayHint(), stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Velmark"));
    QApplication::setApplicationName(QStringLiteral("Orbelan"));
    QApplication::setWindowIcon(OrbelanIcon());

    HelpWindow help;
    QtUiServices ui([&help] { help.ShowContents(); });
    QtSettingsStore settings;
    CTessalyApp app(settings, ui);
    ui.SetParentWidget(&app.GetMainFrame());

    const int status = app.InitInstance(ArgumentsAfterProgramName()) ? QApplication::exec() : 1;
    app.ExitInstance();
    return status;
}
