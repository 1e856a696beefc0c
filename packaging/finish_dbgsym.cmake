# Run by cpack after it has built the packages (CPACK_POST_BUILD_SCRIPTS).
# cpack's debug-symbol package lists its files in md5sums by their absolute
# paths in the staging folder, and it has no documentation folder, so dpkg
# cannot verify it and lintian rejects it. Rebuild it as Debian's own
# dh_strip makes one: md5sums relative to the root, and
# /usr/share/doc/tabrix-dbgsym a link to the main package's folder (the
# package depends on that exact version, so the link always resolves).
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "-dbgsym_.*\\.ddeb$")
        continue()
    endif()
    set(root "${package}.root")
    file(REMOVE_RECURSE "${root}")
    execute_process(COMMAND dpkg-deb -R "${package}" "${root}" COMMAND_ERROR_IS_FATAL ANY)

    file(STRINGS "${root}/DEBIAN/md5sums" lines)
    set(md5sums "")
    foreach(line IN LISTS lines)
        # "<sum>  <anything>/usr/lib/debug/..." becomes "<sum>  usr/lib/debug/..."
        string(REGEX REPLACE "^([0-9a-f]+)  .*/(usr/lib/debug/.*)$" "\\1  \\2" line "${line}")
        string(APPEND md5sums "${line}\n")
    endforeach()
    file(WRITE "${root}/DEBIAN/md5sums" "${md5sums}")

    file(GLOB_RECURSE debug_files "${root}/usr/lib/debug/*.debug")
    foreach(debug_file IN LISTS debug_files)
        file(CHMOD "${debug_file}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    endforeach()
    file(MAKE_DIRECTORY "${root}/usr/share/doc")
    file(CREATE_LINK tabrix "${root}/usr/share/doc/tabrix-dbgsym" SYMBOLIC)

    execute_process(COMMAND dpkg-deb --root-owner-group -Zxz -b "${root}" "${package}"
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${root}")
endforeach()
