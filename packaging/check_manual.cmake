# Every option, subcommand and placeholder that a program's --help names
# (tabrix-convert's, tabrix's) must appear in its manual page, so the two
# cannot drift apart unnoticed.
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help exited with ${status}")
endif()
file(READ ${MANUAL} manual)
string(REPLACE "\\-" "-" manual "${manual}")  # troff writes a hyphen-minus as \-

string(REGEX MATCHALL "--[a-z]+" options "${help}")
string(REGEX MATCHALL "tabrix-convert [a-z][a-z-]+" commands "${help}")
list(TRANSFORM commands REPLACE "^tabrix-convert " "")
string(REGEX MATCHALL "[A-Z][A-Z_/]+" placeholders "${help}")
set(names ${options} ${commands} ${placeholders})
list(REMOVE_DUPLICATES names)
list(LENGTH names count)
if(count LESS 10)
    message(FATAL_ERROR "only ${count} names found in --help: ${names}")
endif()

set(missing)
foreach(name ${names})
    string(FIND "${manual}" "${name}" at)
    if(at EQUAL -1)
        list(APPEND missing ${name})
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "named by --help but not in ${MANUAL}: ${missing}")
endif()
message(STATUS "${count} names of --help found in the manual")
