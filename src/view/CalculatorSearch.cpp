#include "view/CalculatorSearch.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>

namespace {

QStringList CalculatorNames() {
    return {QStringLiteral("calc.exe"),   QStringLiteral("gnome-calculator"),
            QStringLiteral("kcalc"),      QStringLiteral("qalculate-gtk"),
            QStringLiteral("galculator"), QStringLiteral("mate-calc"),
            QStringLiteral("xcalc")};
}

QStringList AbsoluteFolders(const QString& searchPath) {
    QStringList folders;
    for (const QString& folder : searchPath.split(QDir::listSeparator(), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(folder))
            folders.append(folder);
    return folders;
}

} // namespace

QString FindCalculator(const QString& searchPath) {
    const QStringList folders = AbsoluteFolders(searchPath);
    // Given no folders, findExecutable would fall back on the process's own PATH.
    if (folders.isEmpty())
        return {};
    for (const QString& name : CalculatorNames()) {
        const QString found = QStandardPaths::findExecutable(name, folders);
        if (!found.isEmpty())
            return found;
    }
    return {};
}
