// kvr_driver: the person at the screen for the module's dialogs in a real
// interpreter. The interpreter is blocked in the dialog's modal loop, so the
// test starts this program just before the call; it waits for the dialog,
// acts on it with real input from a script and writes what the dialog showed
// as JSON.
//
//   kvr_driver --pid PID --script FILE --out FILE [--url-log FILE] [--timeout MS]
//   kvr_driver --register-url-handler LOG    the shell opens links with kvr_url_recorder
//
// Exit status: 0 when the report was written, 2 on a usage error, 3 when a
// file could not be read or written.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <map>
#include <string>

#include "file_io.h"
#include "session.h"
#include "url_handler.h"

namespace {

int Usage() {
    std::fputs(
        "usage: kvr_driver --pid PID --script FILE --out FILE [--url-log FILE] [--timeout MS]\n"
        "       kvr_driver --register-url-handler LOG\n",
        stderr);
    return 2;
}

int RunDriver(const std::map<std::wstring, std::wstring>& args) {
    const auto get = [&](const wchar_t* name) {
        const auto found = args.find(name);
        return found == args.end() ? std::wstring() : found->second;
    };
    if (get(L"--script").empty() || get(L"--out").empty()) {
        return Usage();
    }
    driver::SessionOptions options;
    options.pid = static_cast<DWORD>(std::wcstoul(get(L"--pid").c_str(), nullptr, 10));
    if (const std::wstring timeout = get(L"--timeout"); !timeout.empty()) {
        options.timeoutMs = static_cast<DWORD>(std::wcstoul(timeout.c_str(), nullptr, 10));
    }
    options.urlLog = get(L"--url-log");
    std::string script;
    if (!driver::ReadWholeFile(get(L"--script"), script)) {
        std::fputs("kvr_driver: cannot read the script\n", stderr);
        return 3;
    }
    options.actions = driver::ParseScript(script);
    if (!driver::WriteWholeFile(get(L"--out"), driver::RunSession(options))) {
        std::fputs("kvr_driver: cannot write the report\n", stderr);
        return 3;
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wcscmp(argv[1], L"--register-url-handler") == 0) {
        return driver::RegisterUrlRecorder(argv[2]) ? 0 : 3;
    }
    std::map<std::wstring, std::wstring> args;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::wcsncmp(argv[i], L"--", 2) != 0) {
            return Usage();
        }
        args[argv[i]] = argv[i + 1];
    }
    if (argc % 2 == 0) {
        return Usage();
    }
    return RunDriver(args);
}
