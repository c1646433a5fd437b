# CLI11 for the Windows cross build: Debian's header-only library (libcli11-dev) taken from the
# host. Only its own folder is put on the include path, through a link in the build folder, so
# that no other host header can shadow the Windows ones.
find_path(CLI11_HOST_INCLUDE CLI/CLI.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(CLI11 REQUIRED_VARS CLI11_HOST_INCLUDE)
if(CLI11_FOUND AND NOT TARGET CLI11::CLI11)
    set(cli11_include ${CMAKE_BINARY_DIR}/cli11-include)
    file(MAKE_DIRECTORY ${cli11_include})
    file(CREATE_LINK ${CLI11_HOST_INCLUDE}/CLI ${cli11_include}/CLI SYMBOLIC)
    add_library(CLI11::CLI11 INTERFACE IMPORTED)
    set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${cli11_include})
endif()
