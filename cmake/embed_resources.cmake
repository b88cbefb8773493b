# kvr_embed_resources(TARGET NAME RC file [INCLUDE_DIRS dir...] [DEPENDS file...]
#                     HEADER header NAMESPACE ns SYMBOL symbol)
#
# For the headless window system, which reads resources from memory: compiles
# the .rc file with windres into NAME.res and builds its bytes into TARGET as
# `ns::symbol[]` and `ns::symbolSize`, declared in HEADER (see
# resources/embed_binary.cmake). Sets NAME_RES in the caller to the .res path.
find_program(KVR_WINDRES x86_64-w64-mingw32-windres)
set(KVR_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/../resources/embed_binary.cmake)

function(kvr_embed_resources target name)
    cmake_parse_arguments(ARG "" "RC;HEADER;NAMESPACE;SYMBOL" "INCLUDE_DIRS;DEPENDS" ${ARGN})
    if(NOT KVR_WINDRES)
        message(FATAL_ERROR "x86_64-w64-mingw32-windres is needed to compile ${ARG_RC}")
    endif()
    set(includes)
    foreach(dir ${ARG_INCLUDE_DIRS})
        list(APPEND includes -I ${dir})
    endforeach()
    set(res ${CMAKE_CURRENT_BINARY_DIR}/${name}.res)
    add_custom_command(OUTPUT ${res}
        COMMAND ${KVR_WINDRES} --input-format=rc --output-format=res ${includes}
                -i ${ARG_RC} -o ${res}
        DEPENDS ${ARG_RC} ${ARG_DEPENDS}
        COMMENT "Compiling ${name}.rc to ${name}.res" VERBATIM)
    set(image ${CMAKE_CURRENT_BINARY_DIR}/${name}_res.cpp)
    add_custom_command(OUTPUT ${image}
        COMMAND ${CMAKE_COMMAND} -DINPUT=${res} -DOUTPUT=${image} -DHEADER=${ARG_HEADER}
                -DNAMESPACE=${ARG_NAMESPACE} -DSYMBOL=${ARG_SYMBOL} -P ${KVR_EMBED_SCRIPT}
        DEPENDS ${res} ${KVR_EMBED_SCRIPT}
        COMMENT "Embedding ${name}.res" VERBATIM)
    target_sources(${target} PRIVATE ${image})
    set(${name}_RES ${res} PARENT_SCOPE)
endfunction()
