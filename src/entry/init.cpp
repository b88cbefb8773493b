// Init_kvr_gui: called once by the interpreter when the plug-in requires the
// library. Defines KVRGUI and its methods, reads the strings file through the
// host, then defines KVRGUI_LangHandler. A request to stop that the host
// raised while the file was located (exit, Ctrl-C) is re-raised last.

#include "entry/export.h"
#include "entry/methods.h"
#include "ruby/method.h"
#include "framework/resource_scope.h"
#include "ruby/calls.h"
#include "ruby/ruby_error.h"
#include "strings/lang_handler.h"
#include "strings_host/load_strings_file.h"

#if defined(KVR_TEST_DRIVER)
#include "testing/test_driver.h"
#endif

namespace kvr::entry {

namespace {

// Whatever happens while loading, initialisation goes on and untranslated
// texts appear in English. An ordinary error the host raised is swallowed and
// not left pending; anything else is handed back, to be re-raised once the
// module is complete.
rb::PendingJump LoadTranslations() {
    try {
        strings::LoadStringsFile(strings::TheLangHandler(), "kvr.strings");
    } catch (const rb::RubyError& error) {
        if (!rb::isOrdinaryError(error)) {
            return {error.state(), error.errinfo()};
        }
        rb::clearPendingException();
    } catch (...) {
    }
    return {};
}

rb::Value InitializeModule() {
    ui::ResourceScope resources;
    DefineKvrguiMethods(rb::defineClass("KVRGUI"));
    const rb::PendingJump stop = LoadTranslations();
    DefineLangHandlerMethods(rb::defineClass("KVRGUI_LangHandler"));
#if defined(KVR_TEST_DRIVER)
    testing::DefineTestDriver();
#endif
    if (stop.state != 0) {
        throw rb::RubyError(stop.state, stop.errinfo);
    }
    return rb::nil();
}

}  // namespace

}  // namespace kvr::entry

KVR_EXPORT void Init_kvr_gui() {
    kvr::rb::PendingJump jump;
    kvr::rb::RunGuarded(jump, [] { return kvr::entry::InitializeModule(); });
    if (jump.state != 0) {
        kvr::rb::jumpTo(jump);
    }
}
