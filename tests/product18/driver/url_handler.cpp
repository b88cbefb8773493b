#include "url_handler.h"

#include <windows.h>

#include "file_io.h"
#include "text/wide_string.h"

namespace driver {

namespace {

bool SetDefaultValue(const std::wstring& subkey, const std::wstring& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const LONG status = RegSetValueExW(key, nullptr, 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(value.c_str()), bytes);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

}  // namespace

bool RegisterUrlRecorder(const std::wstring& logPath) {
    wchar_t self[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return false;
    }
    std::wstring folder(self, length);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    const std::wstring command =
        L"\"" + folder + L"kvr_url_recorder.exe\" \"" + logPath + L"\" \"%1\"";
    for (const wchar_t* scheme : {L"http", L"https"}) {
        const std::wstring base = scheme;
        // A DDE entry would be tried before the command; the recorder has none.
        RegDeleteTreeW(HKEY_CLASSES_ROOT, (base + L"\\shell\\open\\ddeexec").c_str());
        if (!SetDefaultValue(base, L"URL:" + base) ||
            !SetDefaultValue(base + L"\\shell\\open\\command", command)) {
            return false;
        }
    }
    return true;
}

bool RecordUrl(const std::wstring& logPath, const std::wstring& address) {
    return AppendToFile(logPath, kvr::text::wideToUtf8(address) + "\n");
}

}  // namespace driver
