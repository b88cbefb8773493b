# Defines two interface targets for the Ruby the module is built against (see
# KVR_RUBY): kvr_interpreter, its headers, for code that calls it; and
# kvr_interpreter_library, its library, for the module alone. A program that
# links the library without needing it would still take C runtime functions
# from it: the Windows import library also exports fclose and Sleep.
add_library(kvr_interpreter INTERFACE)
add_library(kvr_interpreter_library INTERFACE)

if(KVR_RUBY STREQUAL "system")
    find_program(RUBY_EXECUTABLE ruby REQUIRED)
    foreach(key rubyhdrdir rubyarchhdrdir)
        execute_process(COMMAND ${RUBY_EXECUTABLE} -rrbconfig -e "print RbConfig::CONFIG['${key}']"
                        OUTPUT_VARIABLE dir)
        target_include_directories(kvr_interpreter SYSTEM INTERFACE ${dir})
    endforeach()
    # Link the interpreter's library like Debian's own extensions do, so that
    # -z defs can report a missing symbol at link time rather than at load.
    execute_process(COMMAND ${RUBY_EXECUTABLE} -rrbconfig -e "print RbConfig::CONFIG['libdir']"
                    OUTPUT_VARIABLE ruby_libdir)
    find_library(KVR_LIBRUBY NAMES ruby-3.1 ruby PATHS ${ruby_libdir} REQUIRED)
    target_link_libraries(kvr_interpreter_library INTERFACE ${KVR_LIBRUBY})
    target_link_options(kvr_interpreter_library INTERFACE -Wl,-z,defs)
elseif(KVR_RUBY STREQUAL "mingw31")
    set(inc ${KVR_RUBY_PREFIX}/include/ruby-3.1.0)
    if(NOT EXISTS ${inc}/ruby.h)
        message(FATAL_ERROR "No cross-built Ruby at ${KVR_RUBY_PREFIX}: run scripts/build-ruby-win64.sh")
    endif()
    target_include_directories(kvr_interpreter SYSTEM INTERFACE ${inc} ${inc}/x64-mingw32)
    target_link_libraries(kvr_interpreter_library INTERFACE ${KVR_RUBY_PREFIX}/lib/libx64-msvcrt-ruby310.dll.a)
elseif(KVR_RUBY STREQUAL "ruby18")
    # Import library for msvcrt-ruby18.dll, made from the project's own .def.
    # The functions are cdecl: the .def names are the plain C names, and
    # dlltool (i386) gives them the leading underscore of the object files
    # (_rb_intern thunks, __imp__rb_intern pointers; DATA entries only the
    # latter). Nothing carries an @N suffix, so no --kill-at.
    if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
        message(FATAL_ERROR "KVR_RUBY=ruby18 is for 32-bit Windows only (the win32 preset)")
    endif()
    set(def ${CMAKE_SOURCE_DIR}/src/ruby/ruby18/msvcrt-ruby18.def)
    set(implib ${CMAKE_BINARY_DIR}/libmsvcrt-ruby18.dll.a)
    add_custom_command(OUTPUT ${implib}
        COMMAND ${CMAKE_DLLTOOL} --machine i386 --input-def ${def} --output-lib ${implib}
        DEPENDS ${def} COMMENT "Import library for msvcrt-ruby18.dll")
    add_custom_target(ruby18_implib DEPENDS ${implib})
    add_dependencies(kvr_interpreter_library ruby18_implib)
    target_include_directories(kvr_interpreter INTERFACE ${CMAKE_SOURCE_DIR}/src/ruby/ruby18)
    target_compile_definitions(kvr_interpreter INTERFACE KVR_RUBY18=1)
    target_link_libraries(kvr_interpreter_library INTERFACE ${implib})
else()
    message(FATAL_ERROR "Unknown KVR_RUBY '${KVR_RUBY}'")
endif()
