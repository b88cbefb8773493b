/* A test helper, never shipped: a Ruby 1.8 extension that loads a DLL into the
 * interpreter's process the way another plug-in would bring it, so that the
 * lane can put the MinGW runtime DLLs beside the product in one process.
 * Built against the cross-built interpreter's own headers by the lane. */
#include <windows.h>

#include "ruby.h"

/* RuntimeLoader.load(path): LoadLibrary with the DLL's own folder searched for
 * its dependencies; raises when Windows refuses it. */
static VALUE load_library(VALUE self, VALUE path) {
    const char *name;
    HMODULE module;
    (void)self;
    name = StringValueCStr(path);
    module = LoadLibraryExA(name, NULL, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module == NULL) {
        rb_raise(rb_eRuntimeError, "LoadLibrary(%s) failed with error %lu", name,
                 (unsigned long)GetLastError());
    }
    return Qtrue;
}

/* RuntimeLoader.loaded?(name): whether a module of that name is in the process. */
static VALUE is_loaded(VALUE self, VALUE name) {
    (void)self;
    return GetModuleHandleA(StringValueCStr(name)) != NULL ? Qtrue : Qfalse;
}

void Init_runtime_loader(void) {
    VALUE loader = rb_define_module("RuntimeLoader");
    rb_define_module_function(loader, "load", load_library, 1);
    rb_define_module_function(loader, "loaded?", is_loaded, 1);
}
