# `make package`: a Debian package of the installed layout. Its library dependencies are worked
# out from the binaries by dpkg-shlibdeps. The readme and the web links go through xdg-open.
if(WIN32)
    return()
endif()
include(GNUInstallDirs)

# What every Debian package carries in its documentation folder: the licence in the
# machine-readable copyright format and the changelog. We make the package ourselves from our own
# sources, so it is a native one: one changelog, named changelog.gz, versioned like the project.
set(debian_files ${CMAKE_CURRENT_LIST_DIR}/debian)
set(package_docs ${CMAKE_INSTALL_DATADIR}/doc/vestrix)
file(STRINGS ${debian_files}/changelog latest_entry LIMIT_COUNT 1)
if(NOT latest_entry MATCHES "^vestrix \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "${debian_files}/changelog has no entry for version ${PROJECT_VERSION} "
                        "at its top: add one for the new version.")
endif()
install(FILES ${debian_files}/copyright DESTINATION ${package_docs})
vestrix_install_gzipped(${debian_files}/changelog ${package_docs})
install(FILES ${debian_files}/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME vestrix)

# The compiler's version note is of no use in an installed program; strip, as the package does,
# leaves it in.
install(CODE "set(objcopy \"${CMAKE_OBJCOPY}\")\nset(bindir ${CMAKE_INSTALL_BINDIR})")
install(CODE [[
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(program vestrix vestrix-convert)
            set(file "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${bindir}/${program}")
            if(EXISTS "${file}")
                execute_process(COMMAND "${objcopy}" --remove-section=.comment "${file}"
                    COMMAND_ERROR_IS_FATAL ANY)
            endif()
        endforeach()
    endif()
]])

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vestrix)
set(CPACK_PACKAGE_VENDOR Tavrimel)
set(CPACK_PACKAGE_CONTACT "Tavrimel <vestrix@tavrimel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Turn FIFA 99 jerseys into FIFA 2000 jerseys")
# Lines of at most 80 columns, as package managers show them; an empty line starts a paragraph.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Vestrix opens a FIFA 99 jersey file (an FSH archive of 8-bit pictures), checks
it and builds the nine pictures of a FIFA 2000 jersey from its front, back and
sleeve pictures: scaled to the FIFA 2000 sizes, the sleeves wrapped the way
FIFA 2000 wants them, and every colour matched onto the game's one shared
palette. The window shows the pictures before and after, saves the result
wherever the game wants it, and wears skins of the user's choice.

vestrix-convert converts whole collections of kits from the command line, with
PNG previews on request.]])
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tavrimel.example/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A converter of pictures inside game files: it is no game itself.
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_STRIP_FILES ON)
include(CPack)
