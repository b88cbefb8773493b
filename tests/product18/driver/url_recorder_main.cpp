// kvr_url_recorder LOG ADDRESS: what the shell runs to open a link in the
// lane's Wine prefix (see url_handler.h). A Windows-subsystem program with no
// window, so opening a link leaves the dialog in the foreground.
#include <windows.h>

#include <shellapi.h>

#include "url_handler.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const bool recorded = argv != nullptr && argc == 3 && driver::RecordUrl(argv[1], argv[2]);
    LocalFree(argv);
    return recorded ? 0 : 3;
}
