// The count of native failures swallowed by the outermost method frame (test
// builds only; see method.h).
#include "ruby/method.h"

namespace kvr::rb {

namespace {
long swallowed = 0;
}

void noteSwallowedNativeFailure() noexcept {
    ++swallowed;
}

long swallowedNativeFailures() noexcept {
    return swallowed;
}

void resetSwallowedNativeFailures() noexcept {
    swallowed = 0;
}

}  // namespace kvr::rb
