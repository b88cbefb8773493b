// Parsing an extended dialog template (DLGTEMPLATEEX with its items), the form
// windres writes for DIALOGEX resources.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "res/res_file.h"

namespace kvr::ui {

struct DialogItemTemplate {
    std::uint32_t helpId = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    std::int32_t id = 0;     // -1 for an unnamed static
    ResourceId windowClass;  // ordinal 0x80 button, 0x81 edit, 0x82 static, or a name
    ResourceId title;        // text, or an ordinal (a bitmap id for SS_BITMAP statics)
    std::vector<std::uint8_t> extraData;
};

struct DialogTemplate {
    std::uint32_t helpId = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    ResourceId menu;         // ordinal 0 when none
    ResourceId windowClass;  // ordinal 0 when the default dialog class
    std::u16string title;
    // Present only with DS_SETFONT.
    bool hasFont = false;
    std::uint16_t pointSize = 0;
    std::uint16_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t charset = 0;
    std::u16string typeface;
    std::vector<DialogItemTemplate> items;
};

// Parses an extended template; nothing for any other form or truncated bytes.
std::optional<DialogTemplate> parseDialogTemplate(const void* data, std::size_t size);

}  // namespace kvr::ui
