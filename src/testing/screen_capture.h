// Copying a window from the screen, for the in-process test driver and the
// outside driver of the Ruby 1.8 lane alike. Under Wine on a virtual X
// display PrintWindow gives a blank picture, so a window is copied from the
// screen once it has been repainted there.
#pragma once

#include "win_api/win_api.h"
#include "testing/png_writer.h"

namespace kvr::testing {

// Without a window manager Wine can leave the caption of the foreground
// window drawn as inactive (grey) after the X focus events of its first
// mapping; this makes the frame match the state the window actually has.
// Works on another process's window too.
void DrawCaptionAsItIs(HWND window);

// What the screen shows of the window (its part on the screen), as RGB
// pixels; false when none of it is on the screen or the copy failed.
bool CaptureWindow(HWND window, RgbImage& image);

}  // namespace kvr::testing
