# Regenerates every page of a corpus folder with htmlsim-cli: each case's input.html must give
# exactly the bytes of its expected.html (its input.html when it has none), and expected.html
# itself must come back unchanged. The messages on stderr must be those of messages.txt (none
# when it is missing), and the exit status 1 exactly when there are messages.
#   cmake -DCLI=path/to/htmlsim-cli -DCORPUS=corpus-folder -DWORK=scratch-folder -P run.cmake
file(GLOB cases LIST_DIRECTORIES true ${CORPUS}/*)
file(MAKE_DIRECTORY ${WORK})
set(failed "")
foreach(case ${cases})
    if(NOT EXISTS ${case}/input.html)
        continue()
    endif()
    get_filename_component(case_name ${case} NAME)
    set(expected ${case}/expected.html)
    if(NOT EXISTS ${expected})
        set(expected ${case}/input.html)
    endif()
    set(wanted_messages "")
    if(EXISTS ${case}/messages.txt)
        file(READ ${case}/messages.txt wanted_messages)
    endif()
    set(wanted_status 0)
    if(NOT wanted_messages STREQUAL "")
        set(wanted_status 1)
    endif()
    foreach(page input expected)
        set(name ${case_name}-${page})
        if(NOT EXISTS ${case}/${page}.html)
            continue()
        endif()
        execute_process(COMMAND ${CLI} regenerate ${case}/${page}.html
                        OUTPUT_FILE ${WORK}/${name}.html ERROR_VARIABLE messages
                        RESULT_VARIABLE status)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${name}.html
                                ${expected} RESULT_VARIABLE differs)
        if(NOT status EQUAL wanted_status OR NOT messages STREQUAL wanted_messages OR differs)
            message(SEND_ERROR "${name}: exit ${status}, messages '${messages}', differs from "
                               "${expected}: ${differs} (written: ${WORK}/${name}.html)")
            list(APPEND failed ${name})
        endif()
    endforeach()
endforeach()
if(failed)
    message(FATAL_ERROR "Changed: ${failed}")
endif()
