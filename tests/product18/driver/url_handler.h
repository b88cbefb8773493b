// The links of the dialogs are opened through the shell, which looks up the
// program for the address's scheme in the registry. The driver registers
// its companion kvr_url_recorder.exe (beside it) as that program for http
// and https in the Wine prefix; started by the shell, the recorder appends
// each address it is asked to open to a log file, one line each, so a test
// can see which link the real shell call opened. The recorder is a program
// without a console or window: it never takes the foreground from the
// dialog, as a console program's console would.
#pragma once

#include <string>

namespace driver {

// Makes "<folder of this program>\kvr_url_recorder.exe LOG %1" the open
// command of http and https. False when the registry refused.
bool RegisterUrlRecorder(const std::wstring& logPath);

// Appends the address and a line break to the log (UTF-8).
bool RecordUrl(const std::wstring& logPath, const std::wstring& address);

}  // namespace driver
