# `make package`: a Debian package of the installed layout. Its library dependencies are worked
# out from the binaries by dpkg-shlibdeps. The readme and the web links go through xdg-open.
if(WIN32)
    return()
endif()
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vestrix)
set(CPACK_PACKAGE_VENDOR Tavrimel)
set(CPACK_PACKAGE_CONTACT "Tavrimel <vestrix@tavrimel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Turn FIFA 99 jerseys into FIFA 2000 jerseys")
set(CPACK_PACKAGE_DESCRIPTION
    "Vestrix opens a FIFA 99 jersey file, checks it and converts its pictures into a FIFA 2000 \
jersey, with previews before and after. vestrix-convert converts whole collections from the \
command line.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tavrimel.example/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_STRIP_FILES ON)
include(CPack)
