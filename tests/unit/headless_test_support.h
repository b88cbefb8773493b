// Runs the test dialogs of headless_test_dialogs.rc modally, with a dialog
// procedure that records commands and lets a test act from inside the modal
// loop, as a user would once the dialog is shown.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "headless/headless.h"
#include "headless_test_resources.h"

namespace kvr::headless_test {

struct Command {
    int id;
    int code;
    bool operator==(const Command& o) const { return id == o.id && code == o.code; }
};

struct Script {
    // Runs in WM_INITDIALOG; its result is the procedure's answer.
    std::function<BOOL(HWND)> init = [](HWND) { return TRUE; };
    // Runs once the modal loop dispatches the message posted at WM_INITDIALOG.
    std::function<void(HWND)> shown = [](HWND) {};
    // Whether IDOK and IDCANCEL clicks end the dialog.
    bool endOnOkCancel = true;
    std::vector<Command> commands;
    int closeMessages = 0;

    // The button clicks among the commands (edits also notify focus changes).
    std::vector<Command> clicks() const;
};

INT_PTR runDialog(int templateId, Script& script);

HMODULE testModule();
HWND item(HWND dialog, int id);
std::u16string textOf(HWND window);
// Sends WM_KEYDOWN for the key to the focus through IsDialogMessageW.
void pressKey(HWND dialog, int key);
// Left button press and release at client points of the control.
void clickAt(HWND control, POINT press, POINT release);
void click(HWND control);
std::pair<DWORD, DWORD> selectionOf(HWND edit);

// Checks that every test leaves no window, font or cursor copy behind.
class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    int fonts_ = 0, cursors_ = 0;
};

}  // namespace kvr::headless_test
