# --help and --version of both programs, and names the desktop program
# refuses: each row runs one program and checks its exit status, its standard
# output and its standard error. The test runs with no display at all (ctest
# sets QT_QPA_PLATFORM=xcb and an empty DISPLAY), so a program that starts its
# windows fails; the last row checks that this is so, and the refused names
# that they end before any window.
#
cmake_policy(SET CMP0007 NEW)  # an empty field is a field

# Called with -DTABRIX=path (empty without the desktop program),
# -DCONVERT=path and -DVERSION=x.y.

set(rows
    # program | arguments (,-separated) | status | standard output | standard error
    # (no field holds a "|" or a ";": they separate fields and list items)
    "CONVERT|--version|0|^tabrix-convert ${VERSION}\n$|^$"
    "CONVERT|--help|0|^Usage: tabrix-convert .*\n  --version +show the version\n|^$"
    "CONVERT|temperature,1,1,--version|0|^tabrix-convert ${VERSION}\n$|^$"
    "CONVERT|--versions|2|^$|unknown option \"--versions\""
    "TABRIX|--version|0|^tabrix ${VERSION}\n$|^$"
    "TABRIX|--help|0|^Usage: tabrix \\[--help . --version\\]\n.*  --version  show the version and exit\n$|^$"
    "TABRIX|-style,fusion,--version|0|^tabrix ${VERSION}\n$|^$"
    "TABRIX|--open,Mercury|2|^$|^tabrix: unknown category \"Mercury\". the categories are: Area, .*Weight\n$"
    "TABRIX|--open,distance,--unit,parsec|2|^$|Distance has no unit \"parsec\".*  9  Kilometers \\(km\\)\n"
    "TABRIX||!0|^$|display")

set(failures)
set(ran 0)
foreach(row ${rows})
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 which)
    list(GET fields 1 arguments)
    list(GET fields 2 want_status)
    list(GET fields 3 want_out)
    list(GET fields 4 want_err)
    set(program ${${which}})
    if(program STREQUAL "")
        continue()
    endif()
    string(REPLACE "," ";" arguments "${arguments}")
    execute_process(COMMAND ${program} ${arguments} TIMEOUT 30
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    math(EXPR ran "${ran} + 1")
    set(bad "")
    if(want_status STREQUAL "!0")
        if(status STREQUAL "0")
            string(APPEND bad " status 0, expected a failure;")
        endif()
    elseif(NOT status STREQUAL want_status)
        string(APPEND bad " status ${status}, expected ${want_status};")
    endif()
    if(NOT out MATCHES "${want_out}")
        string(APPEND bad " output [${out}] does not match [${want_out}];")
    endif()
    if(NOT err MATCHES "${want_err}")
        string(APPEND bad " error output [${err}] does not match [${want_err}];")
    endif()
    if(bad)
        list(APPEND failures "${which} ${arguments}:${bad}")
    endif()
endforeach()
if(failures)
    string(REPLACE ";" "\n" failures "${failures}")
    message(FATAL_ERROR "${failures}")
endif()
message(STATUS "${ran} command lines as expected")
