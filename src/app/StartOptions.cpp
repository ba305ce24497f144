#include "app/StartOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

void SetApplicationIdentity() {
    QCoreApplication::setOrganizationName(QStringLiteral("Velmark"));
    QCoreApplication::setApplicationName(QStringLiteral("Orbelan"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORBELAN_VERSION));
}

std::optional<QString> AnswerWithoutWindow(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Projects a household's money through working life and retirement."));
    // Not Qt's help option, whose --help-all lists Qt's own options through its exit path.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("The plan file (.Orbe) to open; without one, the plan used last reopens."),
        QStringLiteral("[file]"));
    // Options of Qt's own, such as -platform or -style, are not ours to refuse.
    parser.parse(arguments);
    if (parser.isSet(help))
        return parser.helpText();
    if (parser.isSet(version))
        return QStringLiteral("Orbelan " ORBELAN_VERSION "\n");
    return std::nullopt;
}

std::vector<std::string> ArgumentsAfterProgramName(int argc, const char* const* argv) {
    return {argv + 1, argv + argc};
}
