#include "session.h"

#include <cstdlib>
#include <sstream>

#include "dialog_state.h"
#include "dialog_watch.h"
#include "file_io.h"
#include "json_writer.h"
#include "real_input.h"
#include "screen_copy.h"
#include "text/wide_string.h"

namespace driver {

namespace {

// After the last action the dialog has settled: closing, if it closes, is under
// way.
constexpr DWORD kCloseWaitMilliseconds = 1000;
constexpr DWORD kUrlWaitMilliseconds = 5000;

std::vector<std::string> UrlLines(const std::wstring& path) {
    std::vector<std::string> lines;
    std::string text;
    if (path.empty() || !ReadWholeFile(path, text)) {
        return lines;
    }
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

bool WaitForUrls(const std::wstring& log, size_t count) {
    const DWORD start = GetTickCount();
    while (UrlLines(log).size() < count) {
        if (GetTickCount() - start >= kUrlWaitMilliseconds) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

// Keyboard input goes to the foreground window; a dialog that lost that
// place, or never had it (the first window of a program started from a
// console may come up inactive), gets it first, as after a click on it.
void BringForward(HWND dialog) {
    if (GetForegroundWindow() == dialog) {
        return;
    }
    SetForegroundWindow(dialog);
    POINT caption{};
    // The window system lets only the foreground program hand the place on;
    // otherwise the person clicks the caption bar.
    if (GetForegroundWindow() != dialog && CaptionPoint(dialog, caption)) {
        ClickAt(caption);
    }
    Sleep(20);
}

// Performs one action; an empty result means it was done.
std::string Perform(HWND dialog, const Action& action, const SessionOptions& options) {
    if (action.verb == "click") {
        HWND control = GetDlgItem(dialog, std::atoi(action.argument.c_str()));
        if (control == nullptr) {
            return "no control " + action.argument;
        }
        ClickAt(ControlCentre(control));
    } else if (action.verb == "close") {
        POINT box{};
        if (!CloseBoxCentre(dialog, box)) {
            return "no close box";
        }
        ClickAt(box);
    } else if (action.verb == "key") {
        BringForward(dialog);
        if (!PressKey(action.argument)) {
            return "unknown key " + action.argument;
        }
    } else if (action.verb == "type") {
        BringForward(dialog);
        TypeText(kvr::text::utf8ToWide(action.argument));
    } else if (action.verb == "shot") {
        if (!SaveDialogPicture(dialog, kvr::text::utf8ToWide(action.argument))) {
            return "no picture " + action.argument;
        }
    } else if (action.verb == "wait") {
        Sleep(static_cast<DWORD>(std::atoi(action.argument.c_str())));
    } else if (action.verb == "urls") {
        if (!WaitForUrls(options.urlLog, std::strtoul(action.argument.c_str(), nullptr, 10))) {
            return "fewer addresses opened than " + action.argument;
        }
    } else {
        return "unknown action " + action.verb;
    }
    return {};
}

void WriteStates(JsonWriter& json, HWND dialog, const SessionOptions& options,
                 std::vector<std::string>& errors) {
    json.Key("states").BeginArray();
    json.BeginObject().Key("after").String("open").Key("state").Raw(SettledState(dialog));
    json.EndObject();
    for (const Action& action : options.actions) {
        const std::string label =
            action.verb + (action.argument.empty() ? "" : " ") + action.argument;
        if (!IsWindow(dialog)) {
            errors.push_back("dialog closed before: " + label);
            break;
        }
        if (std::string error = Perform(dialog, action, options); !error.empty()) {
            errors.push_back(error);
        }
        json.BeginObject().Key("after").String(label).Key("state").Raw(SettledState(dialog));
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace

std::vector<Action> ParseScript(const std::string& utf8) {
    std::vector<Action> actions;
    std::istringstream stream(utf8);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const size_t space = line.find(' ');
        actions.push_back(space == std::string::npos
                              ? Action{line, {}}
                              : Action{line.substr(0, space), line.substr(space + 1)});
    }
    return actions;
}

std::string RunSession(const SessionOptions& options) {
    const DWORD start = GetTickCount();
    std::vector<std::string> errors;
    JsonWriter json;
    json.BeginObject();
    HWND dialog = WaitForDialog(options.pid, options.timeoutMs);
    const DWORD waited = GetTickCount() - start;
    json.Key("dialog").Bool(dialog != nullptr);
    bool closedByDriver = false;
    bool closed = false;
    if (dialog != nullptr) {
        WriteStates(json, dialog, options, errors);
        closed = WaitUntilGone(dialog, kCloseWaitMilliseconds);
        if (!closed) {
            // Left open: closed as the close box would, so the call returns.
            closedByDriver = true;
            PostMessageW(dialog, WM_CLOSE, 0, 0);
            closed = WaitUntilGone(dialog, kCloseWaitMilliseconds);
        }
    } else {
        errors.push_back("no dialog appeared");
        json.Key("states").BeginArray().EndArray();
    }
    json.Key("closed").Bool(closed);
    json.Key("closed_by_driver").Bool(closedByDriver);
    json.Key("errors").BeginArray();
    for (const std::string& error : errors) {
        json.String(error);
    }
    json.EndArray();
    json.Key("urls").BeginArray();
    for (const std::string& url : UrlLines(options.urlLog)) {
        json.String(url);
    }
    json.EndArray();
    json.Key("wait_ms").Number(waited);
    json.Key("total_ms").Number(GetTickCount() - start);
    json.EndObject();
    return json.Text();
}

}  // namespace driver
