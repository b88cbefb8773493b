// The links of the dialogs are opened through the shell, which looks up the
// program for the address's scheme in the registry. The driver registers
// itself as that program for http and https in the Wine prefix, and then,
// started by the shell, records each address it is asked to open in a log
// file, one line each, so a test can see which link the real shell call
// opened.
#pragma once

#include <string>

namespace driver {

// Makes "<this program> --record-url LOG %1" the open command of http and
// https. False when the registry refused.
bool RegisterUrlRecorder(const std::wstring& logPath);

// Appends the address and a line break to the log (UTF-8).
bool RecordUrl(const std::wstring& logPath, const std::wstring& address);

}  // namespace driver
