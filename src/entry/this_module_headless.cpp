#include "entry/embedded_resources.h"
#include "headless/headless.h"
#include "framework/resource_scope.h"

namespace kvr::ui {

HINSTANCE ThisModule() {
    // The module's compiled resources, built into the library, registered with
    // the headless window system once.
    static const HINSTANCE module =
        kvrHeadlessRegisterModule(kvrResourceImage, kvrResourceImageSize);
    return module;
}

}  // namespace kvr::ui
