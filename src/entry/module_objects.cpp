// The library's module-wide objects, constructed in this order when the
// library loads and destroyed in the reverse order when it unloads: the
// application object, then the language handler. (The constraint type table
// is constant data and needs no construction.)

#include "framework/win_app.h"
#include "strings/lang_handler.h"

namespace kvr::entry {

class KVRGUIApp : public ui::CWinApp {
public:
    int InitInstance() override { return CWinApp::InitInstance(); }
};

namespace {

KVRGUIApp theApp;
strings::LangHandler theLangHandler;

// The library's initialisation, once its static objects exist.
struct LibraryStartup {
    LibraryStartup() { theApp.InitInstance(); }
} startup;

}  // namespace

}  // namespace kvr::entry

kvr::strings::LangHandler& kvr::strings::langHandler() {
    return kvr::entry::theLangHandler;
}
