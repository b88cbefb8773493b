// A hook that runs inside a dialog's modal loop once the dialog is shown. Test
// builds install one (the test driver acts as the user through it); the
// product installs none, and then nothing extra is posted or run.
#pragma once

namespace kvr::ui {

class CDialog;

using ModalHook = void (*)(CDialog& dialog);

void SetModalHook(ModalHook hook);
ModalHook CurrentModalHook();

}  // namespace kvr::ui
