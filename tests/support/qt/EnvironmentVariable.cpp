#include "tests/support/qt/EnvironmentVariable.h"

#include <QtGlobal>

EnvironmentVariable::EnvironmentVariable(const char* name, const QByteArray& value) : m_name(name) {
    if (qEnvironmentVariableIsSet(name))
        m_oldValue = qgetenv(name);
    qputenv(name, value);
}

EnvironmentVariable::~EnvironmentVariable() {
    if (m_oldValue)
        qputenv(m_name, *m_oldValue);
    else
        qunsetenv(m_name);
}
