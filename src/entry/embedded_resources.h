// The compiled resources of kvr_gui (resources/kvr_gui.rc as windres writes a
// .res file), built into the Linux module. The headless window system serves
// dialog templates and bitmaps from these bytes, so both window systems use
// the very same templates. Read them with readResFile (res/res_file.h).
#pragma once

#include <cstddef>

namespace kvr::ui {

extern const unsigned char kvrResourceImage[];
extern const std::size_t kvrResourceImageSize;

}  // namespace kvr::ui
