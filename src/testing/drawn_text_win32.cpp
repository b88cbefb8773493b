#include "testing/drawn_text.h"

#include <algorithm>
#include <cstdint>

#include "testing/gdi_handles.h"

namespace kvr::testing {

int DrawnTextWidth(HDC reference, HFONT font, text::WideView line, UINT flags) {
    if (line.empty()) {
        return 0;
    }
    MemoryDc memory(CreateCompatibleDC(reference));
    if (!memory) {
        return 0;
    }
    Selection fontSelected(memory.get(),
                           font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    // Room for the text as the measuring calls see it, twice over, since the
    // drawing may be wider as well as narrower; a margin for overhangs.
    RECT measured{0, 0, 0, 0};
    DrawTextW(memory.get(), line.data(), static_cast<int>(line.size()), &measured,
              flags | DT_SINGLELINE | DT_CALCRECT);
    constexpr int kMargin = 8;
    const int width = 2 * std::max<int>(measured.right, 1) + 2 * kMargin;
    const int height = std::max<int>(measured.bottom, 1) + 2 * kMargin;

    void* bits = nullptr;
    Bitmap dib = TopDownDib(reference, width, height, 32, bits);
    if (!dib) {
        return 0;
    }
    Selection dibSelected(memory.get(), dib.get());
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::fill(pixels, pixels + count, 0x00FFFFFFu);
    SetTextColor(memory.get(), RGB(0, 0, 0));
    SetBkMode(memory.get(), TRANSPARENT);
    RECT area{kMargin, kMargin, width, height};
    DrawTextW(memory.get(), line.data(), static_cast<int>(line.size()), &area,
              flags | DT_SINGLELINE | DT_NOCLIP);
    GdiFlush();

    int last = -1;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * width;
        for (int x = width - 1; x > last; --x) {
            if ((row[x] & 0x00FFFFFFu) != 0x00FFFFFFu) {
                last = x;
                break;
            }
        }
    }
    return last < kMargin ? 0 : last - kMargin + 1;
}

}  // namespace kvr::testing
