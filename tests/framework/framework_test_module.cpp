#include "framework_test_module.h"

#include "framework/resource_scope.h"

#if !defined(_WIN32)
#include "headless/headless.h"
#endif

namespace kvr::framework_test {

#if defined(_WIN32)

HINSTANCE TestModule() {
    // The framework's own module is the program it is linked into.
    return ui::ThisModule();
}

#else

HINSTANCE TestModule() {
    static const HINSTANCE module =
        kvrHeadlessRegisterModule(testResourceImage, testResourceImageSize);
    return module;
}

#endif

}  // namespace kvr::framework_test

#if !defined(_WIN32)
namespace kvr::ui {

// The framework's own resources are the test templates here (the module's
// definition comes with the Ruby extension, which this program does not link).
HINSTANCE ThisModule() {
    return framework_test::TestModule();
}

}  // namespace kvr::ui
#endif
