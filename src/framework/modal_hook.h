// A hook that runs inside a dialog's modal loop once the dialog is shown. Test
// builds install one (the test driver acts as the user through it); the
// product installs none, and then nothing extra is posted or run. The hook
// first runs at stage 0; it may ask to run again at a later stage, after the
// messages posted so far (CDialog::PostHookStage).
#pragma once

namespace kvr::ui {

class CDialog;

using ModalHook = void (*)(CDialog& dialog, int stage);

void SetModalHook(ModalHook hook);
ModalHook CurrentModalHook();

}  // namespace kvr::ui
