#include "app/AppIcon.h"
#include "app/CTessalyApp.h"
#include "app/DisplayCheck.h"
#include "app/HelpWindow.h"
#include "app/StartOptions.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtUiServices.h"

#include <QApplication>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    SetApplicationIdentity();
    {
        // --help and --version need no display, so they are answered before one is looked for.
        const QCoreApplication probe(argc, argv);
        if (const std::optional<QString> answer =
                AnswerWithoutWindow(QCoreApplication::arguments())) {
            std::fputs(answer->toLocal8Bit().constData(), stdout);
            return 0;
        }
    }
    // Without a display, or with one that does not answer, Qt aborts with a trace and advice
    // to reinstall; a plain hint with the command to run instead serves the user better.
    const std::vector<std::string> given(argv + 1, argv + argc);
    if (!HasDisplay()) {
        std::fputs(NoDisplayHint(argv[0], given).c_str(), stderr);
        return 1;
    }
    if (const std::optional<std::string> display = UnreachableDisplay()) {
        std::fputs(UnreachableDisplayHint(*display, argv[0], given).c_str(), stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setWindowIcon(OrbelanIcon());
    // Desktops match the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.velmark.Orbelan"));

    HelpWindow help;
    QtUiServices ui([&help] { help.ShowContents(); });
    QtSettingsStore settings;
    CTessalyApp app(settings, ui);
    ui.SetParentWidget(&app.GetMainFrame());

    const int status =
        app.InitInstance(ArgumentsAfterProgramName(argc, argv)) ? QApplication::exec() : 1;
    app.ExitInstance();
    return status;
}
