# Qt's and GoogleTest's headers are most of what a window or a test compiles:
# a file of a window library parses some 100,000 lines of them for a few
# hundred of its own, and the build does that for every file, twice in the
# test command (the normal build and the sanitizer build). Precompiled once
# per target, they are read back instead of parsed.
#
# Every file still includes what it uses and compiles the same without them:
# clang-tidy checks each file that way (scripts/tidy.py leaves the
# precompiled header out of the commands it reads). ccache hits a precompiled
# compile only with its pch sloppiness, so scripts/mutate.py, whose speed is
# its cache, builds with TABRIX_PCH=OFF.
option(TABRIX_PCH "Precompile Qt's and GoogleTest's headers" ON)

set(TABRIX_QT_PCH_HEADERS
    <algorithm> <memory> <string> <string_view> <vector>
    <QAccessible> <QAccessibleWidget> <QAction> <QApplication> <QEvent>
    <QFontMetrics> <QLabel> <QLineEdit> <QMdiArea> <QMdiSubWindow> <QMenu>
    <QPainter> <QPushButton> <QString> <QStyle> <QWidget>)

# tabrix_precompile(target header...)
function(tabrix_precompile target)
    if(TABRIX_PCH)
        target_precompile_headers(${target} PRIVATE ${ARGN})
    endif()
endfunction()

# tabrix_precompile_like(target owner): the owner's precompiled header, for a
# target compiled with the same flags and definitions.
function(tabrix_precompile_like target owner)
    if(TABRIX_PCH)
        target_precompile_headers(${target} REUSE_FROM ${owner})
    endif()
endfunction()
