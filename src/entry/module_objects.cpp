// The application object, constructed when the library loads and destroyed
// when it unloads. (The language handler is the strings layer's own object;
// the constraint type table is constant data and needs no construction.)

#include "framework/win_app.h"

namespace kvr::entry {

class KVRGUIApp : public ui::CWinApp {
public:
    int InitInstance() override { return CWinApp::InitInstance(); }
};

namespace {

KVRGUIApp theApp;

// The library's initialisation, once its static objects exist.
struct LibraryStartup {
    LibraryStartup() { theApp.InitInstance(); }
} startup;

}  // namespace

}  // namespace kvr::entry
