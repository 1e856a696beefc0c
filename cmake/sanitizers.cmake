# Sanitizer and fuzzing instrumentation, applied to every target of the build
# so that the engine, tables and windows are checked wherever they are called.
# Qt itself stays uninstrumented: its own allocations are still tracked by
# LeakSanitizer, since ASan replaces malloc for the whole process.

# Any undefined behaviour stops the program at once, so a test cannot pass over it.
set(TABRIX_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)

if(TABRIX_SANITIZE)
    add_compile_options(${TABRIX_SANITIZER_FLAGS})
    add_link_options(-fsanitize=address,undefined)
    # The sanitizer runtimes are shared libraries: no static executables.
    set(TABRIX_STATIC_CLI OFF CACHE BOOL "Link tabrix-convert statically" FORCE)
endif()

if(TABRIX_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "TABRIX_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++")
    endif()
    if(TABRIX_GUI)
        message(FATAL_ERROR "TABRIX_FUZZ builds no windows: add -DTABRIX_GUI=OFF")
    endif()
    # Coverage feedback in every library the targets call; the fuzz
    # executables add libFuzzer's main at link time (fuzz/CMakeLists.txt).
    add_compile_options(-fsanitize=fuzzer-no-link ${TABRIX_SANITIZER_FLAGS})
    add_link_options(-fsanitize=address,undefined)
endif()
