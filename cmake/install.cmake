# What an install puts where: the programs, and what a Linux desktop reads
# about them (launcher entry, icons, AppStream metadata, manual pages).
include(GNUInstallDirs)

# Directories an install creates are world-readable whatever the umask, as
# a package must have them.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS tarveo tarveo-check tarveo-sheet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The desktop entry's file name is the application's id, which the AppStream
# metadata names as its launchable.
set(TARVEO_APP_ID org.tarveo.Tarveo)
install(FILES ${PROJECT_SOURCE_DIR}/res/${TARVEO_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/res/tarveo-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME tarveo.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/res/tarveo.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${PROJECT_SOURCE_DIR}/res/${TARVEO_APP_ID}.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/generated/${TARVEO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/generated/${TARVEO_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# tarveo_gzip(<target> <files...>): a build step, part of every build, that
# writes <file>.gz beside each file: compressed at the highest level and
# without a name or time stamp in the header, as Debian wants manual pages
# and changelogs, and so that two builds give the same bytes.
find_program(TARVEO_GZIP gzip)
if(NOT TARVEO_GZIP)
    message(FATAL_ERROR "gzip is needed to compress the manual pages")
endif()
function(tarveo_gzip target)
    set(outputs)
    foreach(file ${ARGN})
        add_custom_command(OUTPUT ${file}.gz
            COMMAND ${TARVEO_GZIP} -9 -n -k -f ${file}
            DEPENDS ${file}
            VERBATIM)
        list(APPEND outputs ${file}.gz)
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()

set(man_pages)
foreach(program tarveo tarveo-check tarveo-sheet)
    set(page ${PROJECT_BINARY_DIR}/generated/man/${program}.1)
    configure_file(${PROJECT_SOURCE_DIR}/doc/man/${program}.1.in ${page} @ONLY)
    list(APPEND man_pages ${page})
endforeach()
tarveo_gzip(tarveo-man-pages ${man_pages})
list(TRANSFORM man_pages APPEND .gz)
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
