// Runs the tests inside an embedded interpreter.
#include <gtest/gtest.h>
#include <ruby.h>

// The interpreter does not free its heap at exit; under LeakSanitizer that is
// not the tests' leak. (Read by the sanitizer runtime only when it is linked.)
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libruby\n";
}
extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    RUBY_INIT_STACK;
    ruby_init();
    const int result = RUN_ALL_TESTS();
    return ruby_cleanup(result);
}
