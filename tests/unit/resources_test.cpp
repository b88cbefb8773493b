// The compiled resources (kvr_gui.rc through windres, as embedded into the
// Linux module) against the expected dialog tables, and the .res and
// dialog-template readers against damaged input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "res/dialog_template.h"
#include "entry/embedded_resources.h"
#include "res/res_file.h"

namespace kvr::ui {
namespace {

// Window, dialog, button, static and edit styles, as Windows defines them.
constexpr std::uint32_t kPopup = 0x80000000, kChild = 0x40000000, kVisible = 0x10000000,
                        kCaption = 0x00C00000, kBorder = 0x00800000, kSysMenu = 0x00080000,
                        kGroup = 0x00020000, kTabStop = 0x00010000;
constexpr std::uint32_t kModalFrame = 0x80, kSetFont = 0x40, kCentre = 0x800;
constexpr std::uint32_t kPushButton = 0, kDefPushButton = 1, kAutoCheckBox = 3,
                        kAutoRadioButton = 9, kMultiLine = 0x2000;
constexpr std::uint32_t kLeftText = 0, kCentredText = 1, kRightText = 2;
constexpr std::uint32_t kAutoHScroll = 0x80;

// A control's template text: a string, an ordinal (a bitmap id), or a
// placeholder that the dialog replaces (any string).
struct Text {
    enum Kind { String, Ordinal, Placeholder } kind;
    std::u16string string;
    std::uint16_t ordinal = 0;
};
Text str(const char16_t* s) {
    return {Text::String, s, 0};
}
Text bitmap(std::uint16_t id) {
    return {Text::Ordinal, {}, id};
}
Text placeholder() {
    return {Text::Placeholder, {}, 0};
}
Text separator() {
    return {Text::String, std::u16string(51, u'_'), 0};
}

struct Control {
    std::int32_t id;
    const char* windowClass;
    Text text;
    std::uint32_t style;
    std::int16_t x, y, cx, cy;
};

struct Font {
    std::u16string face;
    std::uint16_t points;
    int weight = -1, italic = -1, charset = -1;  // -1: not checked
};

struct Dialog {
    const char* name;
    std::uint16_t id;
    std::uint32_t style;
    std::int16_t cx, cy;
    std::u16string caption;
    Font font;
    std::vector<Control> controls;
};
void PrintTo(const Dialog& dialog, std::ostream* os) {
    *os << dialog.name << " " << dialog.id;
}

// The expected templates. Styles described by name are composed here from the
// style bits; styles given as numbers are quoted as numbers.
// clang-format off
const std::uint32_t kChildVisible = kChild | kVisible;
const std::uint32_t kCheckBox = kChildVisible | kAutoCheckBox | kTabStop;
const std::uint32_t kHiddenCheckBox = kChild | kAutoCheckBox | kTabStop;
const std::uint32_t kButton = kChildVisible | kPushButton | kTabStop;
const std::uint32_t kDefaultButton = kChildVisible | kDefPushButton | kTabStop;
const std::uint32_t kHeading = kChildVisible | kLeftText | kGroup;
const std::uint32_t kLabel = kChildVisible | kRightText | kGroup;
const std::uint32_t kFirstRadio = kChildVisible | kAutoRadioButton | kGroup;
const std::uint32_t kRadio = kChildVisible | kAutoRadioButton;
const std::uint32_t kEditBox = kChildVisible | kBorder | kTabStop | kAutoHScroll;

const Dialog kDialogs[] = {
    {"Options", 2000, kPopup | kCaption | kSysMenu | kModalFrame | kCentre | kSetFont, 202, 210,
     u"Sorvane Options", {u"MS Shell Dlg", 8, 400, 0, 1}, {
        {2000, "button", str(u"Rectangle"),                    kCheckBox,        26,  28, 165, 10},
        {2001, "button", str(u"Push/Pull"),                    kCheckBox,        26,  39, 165, 10},
        {2023, "button", str(u"Generate Inferred Dimensions"), kCheckBox,        15,  17, 176, 10},
        {2025, "button", str(u"Show full Sorvane names"),      kCheckBox,         7, 136, 184, 10},
        {2026, "button", str(u"VerFix HIDDEN"),                kHiddenCheckBox, 109,  33,  63, 10},
        {2039, "button", str(u"Face Fix HIDDEN"),              kHiddenCheckBox, 109,  44,  70, 10},
        {2051, "button", str(u"Restore Defaults"),             kButton,         125, 152,  66, 15},
        {2057, "button", str(u"Update geometry after editing Sorvane"),
                                                     kCheckBox | kMultiLine,     15,  69, 176, 13},
        {2095, "static", str(u"After Geometry Editing:"),      kHeading,         15,  85, 176,  8},
        {2058, "button", str(u"Do nothing"),                   kFirstRadio,      26,  95, 165, 10},
        {2059, "button", str(u"Update Sorvane values"),        kRadio,           26, 105, 165, 10},
        {2060, "button", str(u"Update geometry to satisfy Sorvane"),
                                                               kRadio,           26, 115, 165, 10},
        {2093, "static", str(u"Inferred Dimensions:"),         kHeading,          7,   7, 184,  8},
        {2094, "static", str(u"Update Mode:"),                 kHeading,          7,  60, 184,  8},
        {2067, "static", separator(),       kChildVisible | kCentredText | kGroup, 7, 169, 184, 11},
        {2091, "button", str(u"OK"),                           kButton,          76, 185,  50, 14},
    }},
    {"Editor", 2002, kPopup | kCaption | kSysMenu | kModalFrame | kSetFont, 179, 98,
     u"Sorvane editor", {u"MS Sans Serif", 8}, {
        {1,    "button", str(u"OK"),              kDefaultButton,  25, 77, 50, 14},
        {2,    "button", str(u"Cancel"),          kButton,        102, 77, 50, 14},
        {2084, "static", str(u"Value:"),          kLabel,           7, 28, 69,  8},
        {2082, "edit",   str(u""),                kEditBox,        81,  7, 91, 14},
        {2083, "edit",   str(u""),                kEditBox,        81, 27, 91, 14},
        {2085, "static", str(u"Dimension Name:"), kLabel,           7, 10, 69,  8},
        {2087, "button", str(u"Distance"),        kFirstRadio,     82, 48, 90, 10},
        {2088, "button", str(u"Angle"),           kRadio,          82, 59, 90, 10},
        {2092, "static", str(u"Dimension Type:"), kLabel,           7, 48, 70,  8},
    }},
    {"About", 2009, 0x80C808C0, 264, 210,
     u"About Sorvane", {u"Microsoft Sans Serif", 8, 400, 0, 204}, {
        {2007, "STATIC", placeholder(),     0x50020001,  7, 100, 250, 11},
        {2011, "STATIC", str(u"Sorvane"),   0x50020201,  7,  72, 250, 23},
        {2046, "STATIC", str(u"build 000"), 0x50020001,  7, 113, 250,  8},
        {2047, "STATIC", placeholder(),     0x50020001,  7, 162, 250,  8},
        {2048, "STATIC", placeholder(),     0x50020101,  7, 138, 250, 12},
        {2049, "STATIC", bitmap(2017),      0x5000020E, 23,   7, 214, 56},
        {2050, "BUTTON", str(u"OK"),        0x50010000, 48, 177,  75, 14},
        {2090, "STATIC", str(u"Help Page"), 0x50020101,  7, 150, 250,  8},
    }},
    {"ErrorWithLink", 2018, 0x80C808C0, 271, 110,
     u"Sorvane Error", {u"Microsoft Sans Serif", 8, 400, 0, 204}, {
        {1,    "BUTTON", str(u"OK"),    0x50010001, 109, 87,  50, 14},
        {2064, "STATIC", placeholder(), 0x50020000,  60, 15, 204, 40},
        {2065, "STATIC", placeholder(), 0x50020101,   7, 73, 257,  8},
        {2066, "STATIC", str(u"If you think it is a bug, please submit it to"),
                                        0x50020001,   7, 63, 253,  8},
        {2067, "STATIC", separator(),   0x50020001,   7, 52, 257,  8},
        {2069, "STATIC", bitmap(2020),  0x5000000E,  19, 22,  25, 23},
    }},
    {"Error", 2019, 0x80C800C8, 195, 74,
     u"Sorvane Error", {u"MS Shell Dlg", 8, 400, 0, 1}, {
        {1,    "BUTTON", str(u"OK"),      0x50010001, 67, 49,  50, 14},
        {2068, "STATIC", str(u"message"), 0x50020000, 52, 18, 136, 28},
        {-1,   "STATIC", bitmap(2020),    0x5000000E, 17, 22,  25, 23},
    }},
};
// clang-format on

std::vector<ResourceEntry> embeddedEntries() {
    auto entries = readResFile(kvrResourceImage, kvrResourceImageSize);
    return entries ? *entries : std::vector<ResourceEntry>{};
}

const ResourceEntry* find(std::uint16_t type, std::uint16_t name) {
    static const std::vector<ResourceEntry> entries = embeddedEntries();
    return findResource(entries, ResourceId::number(type), ResourceId::number(name));
}

// Button, edit and static as the class names that predefined-class ordinals stand for.
std::string className(const ResourceId& id) {
    if (id.isOrdinal) {
        switch (id.ordinal) {
            case 0x80:
                return "BUTTON";
            case 0x81:
                return "EDIT";
            case 0x82:
                return "STATIC";
            default:
                return "#" + std::to_string(id.ordinal);
        }
    }
    std::string name;
    for (char16_t c : id.name) {
        name.push_back(c < 0x80 ? static_cast<char>(std::toupper(c)) : '?');
    }
    return name;
}

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
}

class CompiledDialog : public testing::TestWithParam<Dialog> {};

TEST_P(CompiledDialog, MatchesItsTable) {
    const Dialog& expected = GetParam();
    const ResourceEntry* entry = find(kResourceTypeDialog, expected.id);
    ASSERT_NE(entry, nullptr) << "no dialog " << expected.id;
    const auto dialog = parseDialogTemplate(entry->data, entry->size);
    ASSERT_TRUE(dialog.has_value());

    EXPECT_EQ(dialog->style, expected.style);
    EXPECT_EQ(dialog->exStyle, 0u);
    EXPECT_EQ(dialog->x, 0);
    EXPECT_EQ(dialog->y, 0);
    EXPECT_EQ(dialog->cx, expected.cx);
    EXPECT_EQ(dialog->cy, expected.cy);
    EXPECT_EQ(dialog->menu, ResourceId::number(0));
    EXPECT_EQ(dialog->windowClass, ResourceId::number(0));
    EXPECT_EQ(dialog->title, expected.caption);
    ASSERT_TRUE(dialog->hasFont);
    EXPECT_EQ(dialog->typeface, expected.font.face);
    EXPECT_EQ(dialog->pointSize, expected.font.points);
    if (expected.font.weight >= 0) {
        EXPECT_EQ(dialog->weight, expected.font.weight);
        EXPECT_EQ(dialog->italic, expected.font.italic);
        EXPECT_EQ(dialog->charset, expected.font.charset);
    }

    ASSERT_EQ(dialog->items.size(), expected.controls.size());
    for (std::size_t i = 0; i < expected.controls.size(); ++i) {
        const Control& want = expected.controls[i];
        const DialogItemTemplate& item = dialog->items[i];
        SCOPED_TRACE("control #" + std::to_string(i) + ", id " + std::to_string(want.id));
        EXPECT_EQ(item.id, want.id);
        EXPECT_EQ(className(item.windowClass), upper(want.windowClass));
        EXPECT_EQ(item.style, want.style) << std::hex << item.style << " vs " << want.style;
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.cx);
        EXPECT_EQ(item.cy, want.cy);
        switch (want.text.kind) {
            case Text::String:
                EXPECT_FALSE(item.title.isOrdinal);
                EXPECT_EQ(item.title.name, want.text.string);
                break;
            case Text::Ordinal:
                EXPECT_EQ(item.title, ResourceId::number(want.text.ordinal));
                EXPECT_NE(find(kResourceTypeBitmap, want.text.ordinal), nullptr)
                    << "the bitmap the control shows is missing";
                break;
            case Text::Placeholder:
                EXPECT_FALSE(item.title.isOrdinal);
                break;
        }
        EXPECT_TRUE(item.extraData.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, CompiledDialog, testing::ValuesIn(kDialogs),
                         [](const testing::TestParamInfo<Dialog>& info) {
                             return std::string(info.param.name) + "_" +
                                    std::to_string(info.param.id);
                         });

std::uint32_t le32(const std::uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

struct Rgb {
    int r, g, b;
};

// A 24-bit bitmap resource: BITMAPINFOHEADER, then bottom-up BGR rows padded to DWORDs.
struct Bitmap {
    const ResourceEntry* entry;
    std::int32_t width() const { return static_cast<std::int32_t>(le32(entry->data + 4)); }
    std::int32_t height() const { return static_cast<std::int32_t>(le32(entry->data + 8)); }
    std::size_t stride() const {
        return (static_cast<std::size_t>(width()) * 3 + 3) & ~std::size_t{3};
    }
    Rgb at(int x, int y) const {
        const std::uint8_t* p = entry->data + 40 + (height() - 1 - y) * stride() + x * 3;
        return {p[2], p[1], p[0]};
    }
};

TEST(CompiledBitmaps, HaveTheirSizeAndFormat) {
    struct {
        std::uint16_t id;
        std::int32_t width, height;
    } const expected[] = {{2017, 321, 91}, {2020, 37, 37}};
    for (const auto& want : expected) {
        SCOPED_TRACE("bitmap " + std::to_string(want.id));
        const ResourceEntry* entry = find(kResourceTypeBitmap, want.id);
        ASSERT_NE(entry, nullptr);
        ASSERT_GE(entry->size, 40u);
        const Bitmap bmp{entry};
        EXPECT_EQ(le32(entry->data), 40u);  // BITMAPINFOHEADER, no file header
        EXPECT_EQ(bmp.width(), want.width);
        EXPECT_EQ(bmp.height(), want.height);   // positive: bottom-up rows
        EXPECT_EQ(le16(entry->data + 12), 1);   // planes
        EXPECT_EQ(le16(entry->data + 14), 24);  // bits per pixel
        EXPECT_EQ(le32(entry->data + 16), 0u);  // BI_RGB, uncompressed
        EXPECT_EQ(entry->size, 40 + bmp.stride() * want.height);
    }
}

TEST(CompiledBitmaps, WarningSignIsYellowWithDarkGreyEdgeWhiteTriangleAndBlackMark) {
    const ResourceEntry* entry = find(kResourceTypeBitmap, 2020);
    ASSERT_NE(entry, nullptr);
    const Bitmap bmp{entry};
    ASSERT_EQ(entry->size, 40 + bmp.stride() * 37);
    auto isDarkGrey = [](Rgb c) { return c.r == c.g && c.g == c.b && c.r >= 0x20 && c.r < 0x80; };
    auto isYellow = [](Rgb c) { return c.r > 0xC0 && c.g > 0xA0 && c.b < 0x40; };
    auto isWhite = [](Rgb c) { return c.r == 0xFF && c.g == 0xFF && c.b == 0xFF; };
    auto isBlack = [](Rgb c) { return c.r == 0 && c.g == 0 && c.b == 0; };
    for (int i = 0; i < 37; ++i) {
        EXPECT_TRUE(isDarkGrey(bmp.at(i, 0)) && isDarkGrey(bmp.at(i, 36)) &&
                    isDarkGrey(bmp.at(0, i)) && isDarkGrey(bmp.at(36, i)))
            << "edge at " << i;
    }
    EXPECT_TRUE(isYellow(bmp.at(4, 4)));  // beside the apex
    EXPECT_TRUE(isYellow(bmp.at(32, 4)));
    EXPECT_TRUE(isWhite(bmp.at(10, 30)));  // the triangle's base
    EXPECT_TRUE(isWhite(bmp.at(26, 30)));
    EXPECT_TRUE(isBlack(bmp.at(18, 16)));  // the bar
    EXPECT_TRUE(isWhite(bmp.at(18, 25)));  // the gap
    EXPECT_TRUE(isBlack(bmp.at(18, 27)));  // the dot
}

// VS_VERSIONINFO: wLength, wValueLength, wType, key, padding, VS_FIXEDFILEINFO,
// then the StringFileInfo and VarFileInfo blocks.
TEST(CompiledVersion, CarriesVersion1_3_1729_0WithStringAndVarFileInfo) {
    const ResourceEntry* entry = find(kResourceTypeVersion, 1);
    ASSERT_NE(entry, nullptr);
    const std::uint8_t* p = entry->data;
    ASSERT_GE(entry->size, 40u + 52u);
    ASSERT_LE(le16(p), entry->size);
    EXPECT_EQ(le16(p + 2), 52);  // the fixed file info
    std::u16string key;
    for (std::size_t i = 6; le16(p + i) != 0 && i < 38; i += 2) {
        key.push_back(static_cast<char16_t>(le16(p + i)));
    }
    EXPECT_EQ(key, u"VS_VERSION_INFO");
    const std::uint8_t* fixed = p + 40;
    EXPECT_EQ(le32(fixed), 0xFEEF04BDu);
    EXPECT_EQ(le32(fixed + 8), 0x00010003u);   // file version 1.3
    EXPECT_EQ(le32(fixed + 12), 0x06C10000u);  // .1729.0
    EXPECT_EQ(le32(fixed + 16), 0x00010003u);  // product version
    EXPECT_EQ(le32(fixed + 20), 0x06C10000u);

    std::vector<std::u16string> blocks;
    for (std::size_t at = 40 + 52; at + 6 < le16(p);) {
        const std::size_t length = le16(p + at);
        ASSERT_GT(length, 6u);
        std::u16string name;
        for (std::size_t i = at + 6; i + 1 < entry->size && le16(p + i) != 0; i += 2) {
            name.push_back(static_cast<char16_t>(le16(p + i)));
        }
        blocks.push_back(name);
        at = (at + length + 3) & ~std::size_t{3};
    }
    EXPECT_EQ(blocks, (std::vector<std::u16string>{u"StringFileInfo", u"VarFileInfo"}));
}

// --- The readers against damaged input. Each case copies the bytes into a
// buffer of exactly the given size, so that a read past the end is caught
// by the sanitizer builds.

std::vector<std::uint8_t> embeddedBytes(std::size_t count = kvrResourceImageSize) {
    return {kvrResourceImage, kvrResourceImage + count};
}

TEST(ResFileReader, AcceptsOnlyPrefixesThatEndOnAnEntryBoundary) {
    const auto full = readResFile(kvrResourceImage, kvrResourceImageSize);
    ASSERT_TRUE(full.has_value());
    ASSERT_GE(full->size(), 8u);  // 5 dialogs, 2 bitmaps, the version

    // Where each entry's data ends, as an offset into the image.
    std::vector<std::size_t> ends;
    for (const ResourceEntry& e : *full) {
        ends.push_back(static_cast<std::size_t>(e.data - kvrResourceImage) + e.size);
    }
    for (std::size_t n = 0; n < kvrResourceImageSize; ++n) {
        const std::vector<std::uint8_t> bytes = embeddedBytes(n);
        const auto result = readResFile(bytes.data(), bytes.size());
        // Complete entries: those whose data ends within the prefix.
        const std::size_t complete = static_cast<std::size_t>(
            std::count_if(ends.begin(), ends.end(), [n](std::size_t end) { return end <= n; }));
        // Accepted: the leading entry alone, or a prefix that ends after an
        // entry's data and no later than the padding that follows it.
        const bool accepted =
            n == 32 || (complete > 0 && n <= ((ends[complete - 1] + 3) & ~std::size_t{3}));
        ASSERT_EQ(result.has_value(), accepted) << "prefix of " << n << " bytes";
        if (result) {
            ASSERT_EQ(result->size(), complete);
            for (std::size_t i = 0; i < complete; ++i) {
                EXPECT_EQ(result->at(i).type, full->at(i).type);
                EXPECT_EQ(result->at(i).name, full->at(i).name);
                EXPECT_EQ(result->at(i).size, full->at(i).size);
            }
        }
    }
}

void putLe32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

TEST(ResFileReader, RejectsCorruptSizesAndAMissingLeadingEntry) {
    EXPECT_FALSE(readResFile(nullptr, 64).has_value());
    const std::size_t first = 32;  // the first real entry
    struct {
        const char* what;
        std::size_t at;
        std::uint32_t value;
    } const corruptions[] = {
        {"data size beyond the end", first, 0xFFFFFFF0u},
        {"header size beyond the end", first + 4, 0xFFFFFFF0u},
        {"header too small for its fields", first + 4, 16},
        {"header size zero", first + 4, 0},
        {"leading entry with data", 0, 4},
        {"leading entry of another size", 4, 36},
    };
    for (const auto& c : corruptions) {
        std::vector<std::uint8_t> bytes = embeddedBytes();
        putLe32(bytes, c.at, c.value);
        EXPECT_FALSE(readResFile(bytes.data(), bytes.size()).has_value()) << c.what;
    }
    std::vector<std::uint8_t> headless(kvrResourceImage + 32,
                                       kvrResourceImage + kvrResourceImageSize);
    EXPECT_FALSE(readResFile(headless.data(), headless.size()).has_value())
        << "no leading empty entry";
}

TEST(ResFileReader, ReadsNamedTypesAndNamesWithHeaderPadding) {
    // The leading empty entry, then one entry of type "AB" and name "XYZ" with
    // 3 bytes of data: TYPE is 6 bytes, NAME 8, so the header pads 2 bytes.
    std::vector<std::uint8_t> bytes(32, 0);
    putLe32(bytes, 4, 32);
    bytes[8] = bytes[9] = bytes[12] = bytes[13] = 0xFF;
    // clang-format off
    const std::uint8_t entry[] = {
        3, 0, 0, 0,  40, 0, 0, 0,               // DataSize, HeaderSize
        'A', 0, 'B', 0, 0, 0,                   // TYPE
        'X', 0, 'Y', 0, 'Z', 0, 0, 0,           // NAME
        0, 0,                                   // padding to a DWORD
        0, 0, 0, 0,  0x30, 0x10,  0x09, 0x04,   // DataVersion, MemoryFlags, LanguageId
        0, 0, 0, 0,  0, 0, 0, 0,                // Version, Characteristics
        'd', 'a', 't'};                         // the data, unpadded at the end
    // clang-format on
    bytes.insert(bytes.end(), std::begin(entry), std::end(entry));

    const auto entries = readResFile(bytes.data(), bytes.size());
    ASSERT_TRUE(entries.has_value());
    ASSERT_EQ(entries->size(), 1u);
    const ResourceId type{false, 0, u"AB"}, name{false, 0, u"XYZ"};
    const ResourceEntry* found = findResource(*entries, type, name);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->language, 0x0409);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(found->data), found->size), "dat");
    EXPECT_EQ(findResource(*entries, ResourceId::number(5), name), nullptr);
}

TEST(DialogTemplateParser, RejectsEveryTruncationOfEachTemplate) {
    for (const Dialog& dialog : kDialogs) {
        const ResourceEntry* entry = find(kResourceTypeDialog, dialog.id);
        ASSERT_NE(entry, nullptr);
        SCOPED_TRACE("dialog " + std::to_string(dialog.id));
        for (std::size_t n = 0; n < entry->size; ++n) {
            const std::vector<std::uint8_t> bytes(entry->data, entry->data + n);
            ASSERT_FALSE(parseDialogTemplate(bytes.data(), bytes.size()).has_value())
                << n << " of " << entry->size << " bytes";
        }
        const std::vector<std::uint8_t> whole(entry->data, entry->data + entry->size);
        EXPECT_TRUE(parseDialogTemplate(whole.data(), whole.size()).has_value());
    }
}

TEST(DialogTemplateParser, RejectsOtherFormsAndAnOverstatedItemCount) {
    const ResourceEntry* entry = find(kResourceTypeDialog, 2019);
    ASSERT_NE(entry, nullptr);
    const std::vector<std::uint8_t> original(entry->data, entry->data + entry->size);
    ASSERT_TRUE(parseDialogTemplate(original.data(), original.size()).has_value());

    std::vector<std::uint8_t> bytes = original;
    bytes[2] = bytes[3] = 0;  // signature of the plain DLGTEMPLATE form
    EXPECT_FALSE(parseDialogTemplate(bytes.data(), bytes.size()).has_value());

    bytes = original;
    bytes[0] = 2;  // unknown version
    EXPECT_FALSE(parseDialogTemplate(bytes.data(), bytes.size()).has_value());

    bytes = original;
    bytes[16] = 0xFF;  // item count (offset 16) far beyond the three items
    bytes[17] = 0xFF;
    EXPECT_FALSE(parseDialogTemplate(bytes.data(), bytes.size()).has_value());

    EXPECT_FALSE(parseDialogTemplate(nullptr, 0).has_value());
}

}  // namespace
}  // namespace kvr::ui
