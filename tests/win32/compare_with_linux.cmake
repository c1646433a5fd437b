# vestrix-convert.exe under Wine against the Linux build's vestrix-convert on the bundled sample
# jerseys: the same files, jerseys and PNG previews alike, byte for byte.
# In: WINE, WINDOWS_CONVERTER, LINUX_CONVERTER, SAMPLES (folder), WORK (scratch folder).
# Both run in WORK with relative paths: a Windows program takes an argument that starts with "/"
# for an option, and Linux paths do.
file(REMOVE_RECURSE ${WORK})
file(GLOB samples RELATIVE ${SAMPLES} ${SAMPLES}/*.fsh)
list(LENGTH samples count)
if(count EQUAL 0)
    message(FATAL_ERROR "No sample jerseys in ${SAMPLES}")
endif()
file(COPY ${SAMPLES}/ DESTINATION ${WORK}/samples FILES_MATCHING PATTERN "*.fsh")
list(TRANSFORM samples PREPEND samples/)

foreach(side linux windows)
    if(side STREQUAL "linux")
        set(command ${LINUX_CONVERTER})
    else()
        set(command ${WINE} ${WINDOWS_CONVERTER})
    endif()
    execute_process(COMMAND ${command} --previews ${side}/previews -d ${side} ${samples}
        WORKING_DIRECTORY ${WORK} RESULT_VARIABLE result ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "The ${side} converter failed (${result}): ${errors}")
    endif()
    file(GLOB_RECURSE files_${side} RELATIVE ${WORK}/${side} ${WORK}/${side}/*)
    list(SORT files_${side})
endforeach()

if(NOT files_linux STREQUAL files_windows)
    message(FATAL_ERROR "Different files written.\nLinux: ${files_linux}\nWindows: ${files_windows}")
endif()
set(different)
foreach(name IN LISTS files_linux)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/linux/${name} ${WORK}/windows/${name}
        RESULT_VARIABLE same)
    if(NOT same EQUAL 0)
        list(APPEND different ${name})
    endif()
endforeach()
if(different)
    message(FATAL_ERROR "Different bytes in: ${different}")
endif()
list(LENGTH files_linux written)
message(STATUS "${written} files identical (${count} sample jerseys)")
file(REMOVE_RECURSE ${WORK})
