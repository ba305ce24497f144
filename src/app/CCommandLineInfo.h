#pragma once

#include <string>
#include <vector>

// What the command line asks of the start-up: a new plan, or the plan file that it names.
struct CCommandLineInfo {
    enum class ShellCommand { FileNew, FileOpen };

    ShellCommand m_nShellCommand = ShellCommand::FileNew;
    std::string m_strFileName;
};

// Reads the arguments that follow the program name. The first one that is not a switch
// names the plan file; switches begin with '-', and none of them does anything.
CCommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments);
