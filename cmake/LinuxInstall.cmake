# What `cmake --install` puts under the prefix, where the Filesystem Hierarchy
# Standard and freedesktop.org expect it, and the Debian package made of it.
include(GNUInstallDirs)

install(TARGETS netlist-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(NETLIST_HAVE_UI)
    # The window module, found from the program's bin/ folder.
    install(TARGETS netlist-report-window LIBRARY DESTINATION ${NETLIST_WINDOW_MODULE_DIR})
endif()

# The menu entry opens the window on a design file; the MIME package makes
# KiCad boards and netlists kinds of a type of ours, which the entry claims, so
# file managers offer "Open with netlist-report" for them while KiCad stays
# their default application.
install(FILES data/netlist-report.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/netlist-report-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME netlist-report.xml)
foreach(size 16 24 32 48 64 128 256)
    install(FILES data/icons/netlist-report-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME netlist-report.png)
endforeach()
install(FILES data/icons/netlist-report.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The documents, each named: a folder may hold what a run wrote into it (a
# report of the sample board, say), which must never be installed. The
# licence is also the Debian package's copyright file, under the name Debian
# looks for.
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)
install(FILES docs/DEVELOPING.md DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
install(FILES docs/examples/sample-board.json DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs/examples)
install(FILES docs/windows/README.txt DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs/windows)
set(screenshots about main-before-start-up main-board main-dropped-design main-schematic
                startup-failure win32-about win32-main-board win32-main-schematic
                win32-startup-failure)
list(TRANSFORM screenshots PREPEND docs/screenshots/)
list(TRANSFORM screenshots APPEND .png)
install(FILES ${screenshots} DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs/screenshots)

# An install into a live prefix (`cmake --install build --prefix ~/.local`)
# refreshes the desktop's caches, so that the menu entry and the KiCad types
# count at once. A staged install (DESTDIR, as CPack and distributions use)
# leaves them alone: there the system refreshes them, for the Debian package
# through dpkg's triggers.
install(CODE "set(netlist_data_dir \"${CMAKE_INSTALL_DATADIR}\")")
install(CODE [[
    if("$ENV{DESTDIR}" STREQUAL "")
        find_program(netlist_update_mime update-mime-database)
        find_program(netlist_update_desktop update-desktop-database)
        set(data "${CMAKE_INSTALL_PREFIX}/${netlist_data_dir}")
        if(netlist_update_mime AND netlist_update_desktop)
            message(STATUS "Refreshing the MIME and menu caches under ${data}")
            execute_process(COMMAND "${netlist_update_mime}" "${data}/mime")
            execute_process(COMMAND "${netlist_update_desktop}" "${data}/applications")
        else()
            message(STATUS "update-mime-database or update-desktop-database not found: the "
                           "caches under ${data} are not refreshed")
        endif()
    endif()
]])

# The man page is made from --help and --version at build time, so the two
# never disagree.
find_program(HELP2MAN help2man)
if(HELP2MAN)
    set(man_page ${PROJECT_BINARY_DIR}/netlist-report.1)
    add_custom_command(
        OUTPUT ${man_page}.gz
        COMMAND ${HELP2MAN} --no-info --no-discard-stderr
                --name "write a netlist report of a printed-circuit design"
                --include ${PROJECT_SOURCE_DIR}/docs/netlist-report.h2m
                --output ${man_page} $<TARGET_FILE:netlist-report>
        COMMAND gzip -9nf ${man_page}
        DEPENDS netlist-report ${PROJECT_SOURCE_DIR}/docs/netlist-report.h2m
        COMMENT "Writing the man page netlist-report.1 from --help"
        VERBATIM)
    add_custom_target(man_page ALL DEPENDS ${man_page}.gz)
    install(FILES ${man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    message(STATUS "netlist-report: help2man not found, no man page")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME netlist-report)
set(CPACK_PACKAGE_VENDOR netlist-report)
set(CPACK_PACKAGE_CONTACT "netlist-report maintainers <netlist-report@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fixed-column netlist report of a printed-circuit design")
set(CPACK_PACKAGE_DESCRIPTION
    "netlist-report writes a plain-text netlist report of a printed-circuit design:\n"
    "a header with the design's facts and counts, then every net in a normalised\n"
    "order with its pins, four to a line, and on request each net's routed length\n"
    "in mils or millimetres. It reads KiCad boards (.kicad_pcb), KiCad netlist\n"
    "exports (.net) and its own JSON designs, in a small window or in batch mode.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies come from the libraries the program links (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# "Screen" opens the report through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
