#include "framework/modal_hook.h"

namespace kvr::ui {

namespace {
ModalHook installedHook = nullptr;
}

void SetModalHook(ModalHook hook) {
    installedHook = hook;
}

ModalHook CurrentModalHook() {
    return installedHook;
}

}  // namespace kvr::ui
