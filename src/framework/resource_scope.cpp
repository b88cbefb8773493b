#include "framework/resource_scope.h"

namespace kvr::ui {

namespace {

HINSTANCE HostModule() {
#if defined(_WIN32)
    return GetModuleHandleW(nullptr);
#else
    return nullptr;  // the headless host has no resources
#endif
}

HINSTANCE current = nullptr;
bool currentSet = false;
int depth = 0;

}  // namespace

HINSTANCE CurrentResourceModule() {
    return currentSet ? current : HostModule();
}

ResourceScope::ResourceScope() : previous_(CurrentResourceModule()) {
    current = ThisModule();
    currentSet = true;
    ++depth;
}

ResourceScope::~ResourceScope() {
    current = previous_;
    --depth;
    currentSet = depth > 0;
}

int ResourceScope::Depth() {
    return depth;
}

}  // namespace kvr::ui
