#include "framework/resource_scope.h"

namespace kvr::ui {

HINSTANCE ThisModule() {
    // The library that holds this function: its resources are the module's.
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

}  // namespace kvr::ui
