// The compiled headless_test_dialogs.rc, built into the unit tests.
#pragma once

#include <cstddef>

namespace kvr::headless_test {

extern const unsigned char testResourceImage[];
extern const std::size_t testResourceImageSize;

// Template ids and control ids of headless_test_dialogs.rc.
enum TestDialog {
    kMainDialog = 100,
    kPlainDialog = 101,
    kDisabledDefaultDialog = 102,
    kUnknownClassDialog = 103
};
enum TestControl {
    kEdit = 10,
    kNarrowEdit = 11,
    kRadioA = 20,
    kRadioB = 21,
    kRadioHidden = 22,
    kRadioDisabled = 23,
    kLabel = 30,
    kCheck = 31,
    kDisabledCheck = 32,
    kDisabledButton = 33,
    kHiddenButton = 34,
    kMultiLineCheck = 35,
    kLink = 40,
    kBitmap = 41,
    kMissingBitmap = 42,
    kPlainEdit = 6,
    kGo = 5
};

}  // namespace kvr::headless_test
