# The manual page keeps up with the program: every command, option and exit status that
# `orbelan-cli --help` prints has its place in data/man/orbelan-cli.1. Both are read as they
# are, so a new command fails here until the page describes it.
# Variables: CLI (the program), MAN_PAGE (the page's source).
execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "orbelan-cli --help ended with status ${status}")
endif()
file(READ ${MAN_PAGE} page)
# roff writes a minus as \-; the page's text is compared as it reads.
string(REPLACE "\\-" "-" page "${page}")

set(missing "")

# The commands are the words after the program's name in the usage lines.
string(REGEX MATCHALL "orbelan-cli [a-z][a-z-]*" usages "${help}")
set(commands "")
foreach(usage IN LISTS usages)
    string(REPLACE "orbelan-cli " "" command "${usage}")
    list(APPEND commands ${command})
endforeach()
list(REMOVE_DUPLICATES commands)
if(NOT commands)
    message(FATAL_ERROR "no command found in orbelan-cli --help:\n${help}")
endif()
foreach(command IN LISTS commands)
    if(NOT page MATCHES "\n\\.B orbelan-cli ${command}[ \n]")
        list(APPEND missing "the synopsis line of '${command}'")
    endif()
    if(NOT page MATCHES "\n\\.TP\n\\.BI? \"?${command}[ \"\n]")
        list(APPEND missing "the COMMANDS entry of '${command}'")
    endif()
endforeach()

string(REGEX MATCHALL "--[a-z][a-z-]*" options "${help}")
list(REMOVE_DUPLICATES options)
foreach(option IN LISTS options)
    if(NOT page MATCHES "${option}([^a-z-]|$)")
        list(APPEND missing "the option '${option}'")
    endif()
endforeach()

string(FIND "${help}" "Exit status:" exit_section)
if(exit_section EQUAL -1)
    message(FATAL_ERROR "no exit status section in orbelan-cli --help")
endif()
string(SUBSTRING "${help}" ${exit_section} -1 exit_text)
string(REGEX MATCHALL "\n  [0-9]+  " statuses "${exit_text}")
foreach(status IN LISTS statuses)
    string(STRIP "${status}" status)
    if(NOT page MATCHES "\n\\.SH EXIT STATUS\n(.*\n)?\\.TP\n\\.B ${status}\n")
        list(APPEND missing "the exit status ${status}")
    endif()
endforeach()

if(missing)
    list(JOIN missing "\n  " missing)
    message(FATAL_ERROR "data/man/orbelan-cli.1 lacks what --help names:\n  ${missing}")
endif()
list(LENGTH commands command_count)
list(LENGTH options option_count)
list(LENGTH statuses status_count)
message(STATUS "the manual page names all ${command_count} commands, ${option_count} options "
               "and ${status_count} exit statuses of --help")
