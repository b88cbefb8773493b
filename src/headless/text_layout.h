// Lays out text for DrawTextExW with the fixed character metric of a font:
// prefix characters, line breaks, word wrapping, alignment and clipping.
#pragma once

#include <string_view>
#include <vector>

#include "headless/gdi_objects.h"
#include "headless/headless.h"

namespace kvr::headless {

struct TextLayout {
    std::vector<PaintTextLine> lines;
    int width = 0;   // of the widest line
    int height = 0;  // of all lines
};

TextLayout layoutText(std::u16string_view text, const RECT& rect, UINT format,
                      const FontMetrics& metrics);

}  // namespace kvr::headless
