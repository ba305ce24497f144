#include "app/CCommandLineInfo.h"

#include <algorithm>

CCommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments) {
    CCommandLineInfo info;
    const auto file =
        std::find_if(arguments.begin(), arguments.end(), [](const std::string& argument) {
            return !argument.empty() && argument.front() != '-';
        });
    if (file != arguments.end()) {
        info.m_nShellCommand = CCommandLineInfo::ShellCommand::FileOpen;
        info.m_strFileName = *file;
    }
    return info;
}
