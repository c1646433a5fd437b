# The Windows programs call no ANSI (...A) function of the system: those read and give text in the
# ANSI code page, which cannot spell every name a user's folders have. Fails naming each one that
# a program imports, beyond those of the C and C++ runtimes linked into every program, which pass
# no text of ours (unnamed events and semaphores, start-up information, debugger output, and the
# system's error texts behind std::error_code, which are read in English here).
#
# cmake -DOBJDUMP=... -DPROGRAMS="a.exe;b.exe" -P no_ansi_imports.cmake
cmake_minimum_required(VERSION 3.25)
set(runtime CreateEventA CreateSemaphoreA FormatMessageA GetStartupInfoA OutputDebugStringA)
set(found "")
foreach(program IN LISTS PROGRAMS)
    execute_process(COMMAND ${OBJDUMP} -p ${program} OUTPUT_VARIABLE table RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "cannot read the imports of ${program}")
    endif()
    string(REPLACE ";" "," table "${table}")
    string(REPLACE "\n" ";" lines "${table}")
    foreach(line IN LISTS lines)
        # An imported name: "\tADDRESS\t HINT NAME".
        if(line MATCHES "^\t[0-9a-f]+\t *[0-9]+ +([A-Za-z0-9_]+[a-z0-9]A)$")
            if(NOT CMAKE_MATCH_1 IN_LIST runtime)
                list(APPEND found "${program}: ${CMAKE_MATCH_1}")
            endif()
        endif()
    endforeach()
endforeach()
if(found)
    list(JOIN found "\n  " text)
    message(FATAL_ERROR "ANSI calls imported:\n  ${text}")
endif()
message(STATUS "no ANSI calls in ${PROGRAMS}")
