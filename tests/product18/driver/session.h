// One run of the driver against one dialog: wait for it, record what it
// shows, perform each scripted action as real input and record what it shows
// after each, then wait for it to close. A dialog the script left open is
// closed by the driver (so the interpreter's call returns) and reported, so
// that a test can tell the person's actions from the driver's rescue.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// One line of a script: "click ID", "close", "key NAME", "type TEXT",
// "shot PATH", "wait MS", "urls COUNT" (wait until the URL log holds COUNT
// addresses).
struct Action {
    std::string verb;
    std::string argument;  // UTF-8
};

struct SessionOptions {
    DWORD pid = 0;  // the interpreter's process; 0: any process
    DWORD timeoutMs = 10000;
    std::wstring urlLog;
    std::vector<Action> actions;
};

// Parses a script's text: one action a line, the verb, one space, the
// argument; blank lines and lines starting with '#' are skipped.
std::vector<Action> ParseScript(const std::string& utf8);

// The report as JSON: {"dialog", "states": [{"after", "state"}...],
// "closed", "closed_by_driver", "errors", "urls", "wait_ms", "total_ms"}.
std::string RunSession(const SessionOptions& options);

}  // namespace driver
