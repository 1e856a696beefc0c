# Installs the build into a scratch prefix and checks that every file a user
# or a desktop needs is there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed with ${status}")
endif()

set(expected bin/tabrix-convert share/man/man1/tabrix-convert.1.gz)
if(GUI)
    list(APPEND expected bin/tabrix share/man/man1/tabrix.1.gz
         share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml
         share/icons/hicolor/scalable/apps/tabrix.svg
         libexec/tabrix-search share/man/man1/tabrix-search.1.gz
         share/dbus-1/services/${APP_ID}.Search.service
         share/gnome-shell/search-providers/${APP_ID}.search-provider.ini
         share/krunner/dbusplugins/${APP_ID}.desktop)
endif()
set(missing)
foreach(file ${expected})
    if(NOT EXISTS ${PREFIX}/${file})
        list(APPEND missing ${file})
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "not installed: ${missing}")
endif()

if(GUI)
    # The launcher must start the installed program with the installed icon.
    file(STRINGS ${PREFIX}/share/applications/${APP_ID}.desktop entries)
    foreach(want "Exec=tabrix" "Icon=tabrix")
        list(FIND entries "${want}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "the desktop file lacks the line ${want}")
        endif()
    endforeach()
    # The bus starts the service from where this install put it.
    file(STRINGS ${PREFIX}/share/dbus-1/services/${APP_ID}.Search.service entries)
    list(FIND entries "Exec=${PREFIX}/libexec/tabrix-search" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the search service's Exec is not ${PREFIX}/libexec/tabrix-search: ${entries}")
    endif()
endif()
