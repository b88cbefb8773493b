// The modules of the headless window system: compiled .res images registered
// with kvrHeadlessRegisterModule, and the resources they serve.
#pragma once

#include <cstddef>
#include <cstdint>

#include "win_api/user32.h"

namespace kvr::headless {

struct ModuleResource {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t index = 0;  // of the entry within its module
};

// A resource of a registered module by type and name (ordinals via
// MAKEINTRESOURCEW, "#123" or a case-insensitive name), or nothing.
bool findModuleResource(HMODULE module, LPCWSTR name, LPCWSTR type, ModuleResource& out);

bool isRegisteredModule(HMODULE module);

// How many bytes of a registered resource lie from `data` to the end of that
// resource; 0 when `data` points into none.
std::size_t bytesLeftInResource(const void* data);

}  // namespace kvr::headless
