#pragma once

#include <QByteArray>

#include <optional>

// Sets an environment variable for the life of the object, then gives it its old value back.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const QByteArray& value);
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;
    ~EnvironmentVariable();

private:
    const char* m_name;
    std::optional<QByteArray> m_oldValue;
};
