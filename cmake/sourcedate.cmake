# SPDX-License-Identifier: GPL-3.0-or-later
# kelvastro_source_date_epoch(OUT): the time builds stamp on what they make,
# as reproducible builds agree: SOURCE_DATE_EPOCH when the builder sets it,
# else the last commit's time, else none that varies (the first of 1980,
# the zip format's earliest).
function(kelvastro_source_date_epoch out)
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
        set(${out} "$ENV{SOURCE_DATE_EPOCH}" PARENT_SCOPE)
        return()
    endif()
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND "${GIT_EXECUTABLE}" log -1 --format=%ct WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed ERROR_QUIET)
        if(NOT failed AND epoch MATCHES "^[0-9]+$")
            set(${out} "${epoch}" PARENT_SCOPE)
            return()
        endif()
    endif()
    set(${out} 315532800 PARENT_SCOPE)
endfunction()
