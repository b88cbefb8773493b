#include "headless/text_layout.h"

#include <algorithm>
#include <string>

namespace kvr::headless {

namespace {

// '&' marks the next character as a mnemonic and is not drawn; "&&" draws one.
std::u16string removePrefixes(std::u16string_view text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
        } else if (text[i] == u'&') {
            continue;
        }
        out.push_back(text[i]);
    }
    return out;
}

std::vector<std::u16string> splitParagraphs(const std::u16string& text, bool singleLine) {
    std::vector<std::u16string> paragraphs(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (singleLine) {
                continue;
            }
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            paragraphs.emplace_back();
            continue;
        }
        paragraphs.back().push_back(c);
    }
    return paragraphs;
}

// Greedy word wrap at spaces; a word longer than the line stays whole on a
// line of its own and is cut by the clipping.
void wrap(const std::u16string& paragraph, std::size_t maxChars, std::vector<std::u16string>& out) {
    std::u16string line;
    std::size_t i = 0;
    bool any = false;
    while (i < paragraph.size()) {
        std::size_t wordEnd = paragraph.find(u' ', i);
        if (wordEnd == std::u16string::npos) {
            wordEnd = paragraph.size();
        }
        std::u16string word = paragraph.substr(i, wordEnd - i);
        std::size_t next = paragraph.find_first_not_of(u' ', wordEnd);
        std::u16string spaces = paragraph.substr(
            wordEnd, (next == std::u16string::npos ? paragraph.size() : next) - wordEnd);
        if (!any) {
            line = word;
            any = true;
        } else if (line.size() + word.size() <= maxChars) {
            line += word;
        } else {
            while (!line.empty() && line.back() == u' ') {
                line.pop_back();
            }
            out.push_back(line);
            line = word;
        }
        line += spaces;
        i = next == std::u16string::npos ? paragraph.size() : next;
    }
    while (!line.empty() && line.back() == u' ') {
        line.pop_back();
    }
    out.push_back(line);
}

}  // namespace

TextLayout layoutText(std::u16string_view text, const RECT& rect, UINT format,
                      const FontMetrics& metrics) {
    const bool singleLine = (format & DT_SINGLELINE) != 0;
    std::u16string shown = (format & DT_NOPREFIX) ? std::u16string(text) : removePrefixes(text);
    std::vector<std::u16string> lines;
    const int rectWidth = rect.right - rect.left;
    std::size_t maxChars = static_cast<std::size_t>(std::max(1, rectWidth / metrics.averageWidth));
    for (const std::u16string& paragraph : splitParagraphs(shown, singleLine)) {
        if ((format & DT_WORDBREAK) && !singleLine) {
            wrap(paragraph, maxChars, lines);
        } else {
            lines.push_back(paragraph);
        }
    }

    TextLayout layout;
    layout.height = static_cast<int>(lines.size()) * metrics.height;
    int top = rect.top;
    if (singleLine && (format & DT_VCENTER)) {
        top = rect.top + ((rect.bottom - rect.top) - metrics.height) / 2;
    } else if (singleLine && (format & DT_BOTTOM)) {
        top = rect.bottom - metrics.height;
    }
    for (std::size_t n = 0; n < lines.size(); ++n) {
        PaintTextLine line;
        line.text = lines[n];
        int width = static_cast<int>(line.text.size()) * metrics.averageWidth;
        layout.width = std::max(layout.width, width);
        if (format & DT_CENTER) {
            line.x = rect.left + (rectWidth - width) / 2;
        } else if (format & DT_RIGHT) {
            line.x = rect.right - width;
        } else {
            line.x = rect.left;
        }
        line.y = top + static_cast<int>(n) * metrics.height;
        bool rowInside = line.y >= rect.top && line.y + metrics.height <= rect.bottom;
        if (format & DT_NOCLIP) {
            line.visible = line.text;
        } else if (rowInside) {
            for (std::size_t k = 0; k < line.text.size(); ++k) {
                int left = line.x + static_cast<int>(k) * metrics.averageWidth;
                if (left >= rect.left && left + metrics.averageWidth <= rect.right) {
                    line.visible.push_back(line.text[k]);
                }
            }
        }
        layout.lines.push_back(std::move(line));
    }
    return layout;
}

}  // namespace kvr::headless
