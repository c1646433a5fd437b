# The two shapes that repeat through the project: a folder's libraries, and a test program.

# vestrix_folder_libraries(<folder>
#     SOURCES <file>...        [LINKS <target>...]
#     [QT_SOURCES <file>...    [QT_LINKS <target>...]]
#     [WIN32_SOURCES <file>... [WIN32_LINKS <target>...]])
#
# A subsystem's folder holds its logic at the root, free of any toolkit and built in every
# configuration (vestrix_<folder>); the window drawn by Qt in qt/ (vestrix_<folder>_qt, with
# VESTRIX_GUI); the window drawn with the Win32 API in win32/ (vestrix_<folder>_win32, in the
# Windows build). Each view library links its folder's logic and its toolkit's platform layer.
function(vestrix_folder_libraries folder)
    cmake_parse_arguments(PARSE_ARGV 1 arg ""
        "" "SOURCES;LINKS;QT_SOURCES;QT_LINKS;WIN32_SOURCES;WIN32_LINKS")
    set(logic vestrix_${folder})
    add_library(${logic} STATIC ${arg_SOURCES})
    target_link_libraries(${logic} PUBLIC vestrix_options ${arg_LINKS})

    if(VESTRIX_GUI AND arg_QT_SOURCES)
        add_library(${logic}_qt STATIC ${arg_QT_SOURCES})
        target_link_libraries(${logic}_qt PUBLIC ${logic} vestrix_platform_qt ${arg_QT_LINKS}
            Qt6::Core Qt6::Gui Qt6::Widgets)
    endif()
    if(WIN32 AND arg_WIN32_SOURCES)
        add_library(${logic}_win32 STATIC ${arg_WIN32_SOURCES})
        target_link_libraries(${logic}_win32 PUBLIC ${logic} vestrix_platform_win32
            ${arg_WIN32_LINKS})
    endif()
endfunction()

# vestrix_test_program(<name> [QT] SOURCES <file>... LINKS <target>... [TIMEOUT <seconds>])
#
# One GoogleTest program and its tests, listed when they run. The Qt ones run on the offscreen
# platform (VESTRIX_TEST_ENV); the others allow 30 s to list their tests, as under Wine on a busy
# machine the first start is slow. TIMEOUT is each test's, 30 s unless told.
function(vestrix_test_program name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "TIMEOUT" "SOURCES;LINKS")
    if(NOT arg_TIMEOUT)
        set(arg_TIMEOUT 30)
    endif()
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LINKS})
    if(arg_QT)
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
            PROPERTIES ENVIRONMENT "${VESTRIX_TEST_ENV}" TIMEOUT ${arg_TIMEOUT})
    else()
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 30
            PROPERTIES TIMEOUT ${arg_TIMEOUT})
    endif()
endfunction()
