# Installs a file gzip-compressed as Debian wants manual pages and changelogs: `gzip -9n`, with
# neither the file's name nor a time stamp inside, so the same file always gives the same bytes.
find_program(VESTRIX_GZIP gzip REQUIRED)

function(vestrix_install_gzipped source destination)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "RENAME" "")
    get_filename_component(source ${source} ABSOLUTE)
    get_filename_component(name ${source} NAME)
    if(arg_RENAME)
        set(name ${arg_RENAME})
    endif()
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/gzipped/${name})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
        COMMAND ${VESTRIX_GZIP} -9nf ${copy}
        DEPENDS ${source}
        COMMENT "Compressing ${name}"
        VERBATIM)
    string(MAKE_C_IDENTIFIER "gzipped_${name}" target)
    add_custom_target(${target} ALL DEPENDS ${copy}.gz)
    install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()
