#include "tests/support/qt/TestPrograms.h"

#include <QFile>
#include <QTemporaryDir>

QString AddProgram(const QTemporaryDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    QFile program(path);
    if (!program.open(QIODevice::WriteOnly))
        return {};
    program.write("#!/bin/sh\nexit 0\n");
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}
