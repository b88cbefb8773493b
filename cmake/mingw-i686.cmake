# The product: 32-bit Windows, loaded by Ruby 1.8.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

# Export only what the code marks with __declspec(dllexport) (Init_kvr_gui).
# ld already stops exporting everything once one symbol is marked; this keeps
# it so even when the mark is lost (the product check then finds no export
# instead of hundreds).
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-Wl,--exclude-all-symbols")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-Wl,--exclude-all-symbols")
