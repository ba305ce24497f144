// Opens the plan named by its first argument in the window (settings in the file named by the
// second) and edits it for ever at random moments: each edit sets the first expense's annual
// amount to its number and writes "NUMBER NANOSECONDS\n" to standard output, the time on the
// monotonic clock, so that whoever kills it knows which edits were how old.
#include "app/CTessalyApp.h"
#include "platform/qt/QtSettingsStore.h"
#include "tests/platform/support/RecordingUiServices.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QtSettingsStore settings{std::string(argv[2])};
    // Nothing is asked: the plan has no copy of unsaved changes yet.
    RecordingUiServices ui;
    CTessalyApp app(settings, ui);
    if (!app.InitInstance({argv[1]}) || app.GetDocument().m_plan.expenses.empty())
        return 1;
    std::minstd_rand random(static_cast<unsigned>(::getpid()));
    std::int32_t edit = 0;
    QTimer editor;
    editor.setSingleShot(true);
    editor.callOnTimeout([&] {
        ++edit;
        app.GetDocument().m_plan.expenses[0].annualAmount = edit;
        app.GetDocument().SetModifiedFlag(true);
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        const std::string line =
            std::to_string(edit) + ' ' +
            std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()) +
            '\n';
        if (::write(STDOUT_FILENO, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
            QApplication::exit(1);
        // Pauses shorter and longer than the one a copy waits for.
        editor.start(static_cast<int>(50 + random() % 1200));
    });
    editor.start(0);
    return QApplication::exec();
}
