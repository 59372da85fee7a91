# Regenerates every page of this folder with htmlsim-cli and compares the result with the bytes
# the program wrote for it before (expected.html); expected.html itself must come back
# unchanged. Pages the program wrote itself never change their bytes when written again.
#   cmake -DCLI=path/to/htmlsim-cli -DWORK=scratch-folder -P run.cmake
file(GLOB cases LIST_DIRECTORIES true ${CMAKE_CURRENT_LIST_DIR}/*)
file(MAKE_DIRECTORY ${WORK})
set(failed "")
foreach(case ${cases})
    if(NOT EXISTS ${case}/input.html)
        continue()
    endif()
    get_filename_component(case_name ${case} NAME)
    foreach(page input expected)
        set(name ${case_name}-${page})
        execute_process(COMMAND ${CLI} regenerate ${case}/${page}.html
                        OUTPUT_FILE ${WORK}/${name}.html ERROR_VARIABLE messages
                        RESULT_VARIABLE status)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${name}.html
                                ${case}/expected.html RESULT_VARIABLE differs)
        if(NOT status EQUAL 0 OR NOT messages STREQUAL "" OR differs)
            message(SEND_ERROR "${name}: exit ${status}, messages '${messages}', differs from "
                               "expected.html: ${differs} (written: ${WORK}/${name}.html)")
            list(APPEND failed ${name})
        endif()
    endforeach()
endforeach()
if(failed)
    message(FATAL_ERROR "Changed: ${failed}")
endif()
