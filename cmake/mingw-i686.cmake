# The product: 32-bit Windows, loaded by Ruby 1.8.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triple i686-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_DLLTOOL ${triple}-dlltool)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Export only what the code marks with __declspec(dllexport) (Init_kvr_gui).
# ld already stops exporting everything once one symbol is marked; this keeps
# it so even when the mark is lost (the product check then finds no export
# instead of hundreds).
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-Wl,--exclude-all-symbols")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-Wl,--exclude-all-symbols")
