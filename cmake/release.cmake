# The release's version and date, written once (the top-level project() and
# TABRIX_RELEASE_DATE), in every form the manuals, the AppStream data and the
# Debian changelog need them. Sets TABRIX_RELEASE_MONTH_YEAR ("December
# 2026") and TABRIX_RELEASE_RFC2822 ("Tue, 08 Dec 2026 00:00:00 +0000"), and
# the target tabrix_version whose include directory holds tabrix/version.h.

if(NOT TABRIX_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "TABRIX_RELEASE_DATE must be YYYY-MM-DD, not ${TABRIX_RELEASE_DATE}")
endif()
set(year ${CMAKE_MATCH_1})
math(EXPR month "1${CMAKE_MATCH_2} - 100")  # the leading 1 keeps "08" from reading as octal
math(EXPR day "1${CMAKE_MATCH_3} - 100")

set(long_months January February March April May June July August September October
    November December)
set(short_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
math(EXPR at "${month} - 1")
list(GET long_months ${at} long_month)
list(GET short_months ${at} short_month)
set(TABRIX_RELEASE_MONTH_YEAR "${long_month} ${year}")

# The day of the week, by Zeller's congruence (0 is Saturday).
set(y ${year})
set(m ${month})
if(m LESS 3)
    math(EXPR m "${m} + 12")
    math(EXPR y "${y} - 1")
endif()
math(EXPR weekday "(${day} + (13 * (${m} + 1)) / 5 + ${y} + ${y} / 4 - ${y} / 100 + ${y} / 400) % 7")
set(weekdays Sat Sun Mon Tue Wed Thu Fri)
list(GET weekdays ${weekday} weekday_name)
string(SUBSTRING "0${day}" 0 -1 padded_day)
string(LENGTH "${padded_day}" length)
math(EXPR from "${length} - 2")
string(SUBSTRING "${padded_day}" ${from} 2 padded_day)
set(TABRIX_RELEASE_RFC2822 "${weekday_name}, ${padded_day} ${short_month} ${year} 00:00:00 +0000")

set(generated ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${generated}/tabrix/version.h @ONLY)
add_library(tabrix_version INTERFACE)
target_include_directories(tabrix_version INTERFACE ${generated})
