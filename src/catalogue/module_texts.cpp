#include "catalogue/module_texts.h"

#include <algorithm>
#include <cctype>
#include <deque>
#include <iterator>
#include <set>
#include <string>
#include <string_view>

#include "catalogue/constraint_type_table.h"
#include "catalogue/dialog_texts.h"
#include "resources/resource_ids.h"

namespace kvr::texts {

namespace {

template <std::size_t N>
void append(std::vector<TextUse>& uses, const TextUse (&from)[N]) {
    uses.insert(uses.end(), std::begin(from), std::end(from));
}

// The dimension editor's texts: a window title per constraint type, the
// buttons, a value label per label of the type table (a label most types
// share is described by its own wording), then its fixed controls. The
// descriptions made here live as long as the catalogue.
std::vector<TextUse> editorTexts(std::deque<std::string>& descriptions) {
    std::vector<TextUse> uses;
    for (const ConstraintTypeEntry& row : constraintTypeTable) {
        if (row.type != 0) {
            descriptions.push_back("window title, type " + std::to_string(row.type));
            uses.push_back({row.typeNameKey, 0, descriptions.back().c_str(), kTranslatable});
        }
    }
    append(uses, kEditorButtonTexts);
    std::vector<std::string_view> labels;
    for (const ConstraintTypeEntry& row : constraintTypeTable) {
        if (row.type == 0 ||
            std::find(labels.begin(), labels.end(), row.valueLabelKey) != labels.end()) {
            continue;
        }
        labels.push_back(row.valueLabelKey);
        const auto sameLabel = [&row](const ConstraintTypeEntry& other) {
            return other.type != 0 && std::string_view(other.valueLabelKey) == row.valueLabelKey;
        };
        std::string described;
        if (std::count_if(std::begin(constraintTypeTable), std::end(constraintTypeTable),
                          sameLabel) == 1) {
            described = "type " + std::to_string(row.type);
        } else {
            // "Distance:" labels the distance types.
            std::string_view word(row.valueLabelKey);
            word = word.substr(0, word.find(':'));
            for (const char c : word) {
                described += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
            described += " types";
        }
        descriptions.push_back("value label, " + described);
        uses.push_back({row.valueLabelKey, IDC_EDITOR_VALUE_LABEL, descriptions.back().c_str(),
                        kTranslatable});
    }
    append(uses, kEditorControlTexts);
    return uses;
}

template <std::size_t N>
std::vector<TextUse> textsOf(const TextUse (&uses)[N]) {
    return {std::begin(uses), std::end(uses)};
}

std::vector<DialogTexts> buildCatalogue(std::deque<std::string>& descriptions) {
    return {
        {"Dimension editor", "KVRGUIShowConstraint", IDD_KVRGUI_CONSTRAINT,
         editorTexts(descriptions)},
        {"Options dialog", "KVRGUIShowOptions", IDD_KVRGUI_OPTIONS, textsOf(kOptionsTexts)},
        {"Error box", "KVRGUIShowError", IDD_KVRGUI_ERROR, textsOf(kErrorTexts)},
        {"Error box with link", "KVRGUIShowErrorWithHlink", IDD_KVRGUI_ERROR_HLINK,
         textsOf(kErrorWithLinkTexts)},
        {"About box", "KVRGUIShowAbout", IDD_KVRGUI_ABOUT, textsOf(kAboutTexts)},
    };
}

}  // namespace

const std::vector<DialogTexts>& moduleTexts() {
    static std::deque<std::string> descriptions;
    static const std::vector<DialogTexts> catalogue = buildCatalogue(descriptions);
    return catalogue;
}

std::vector<const char*> translatableKeys() {
    std::vector<const char*> keys;
    std::set<std::string_view> seen;
    for (const DialogTexts& dialog : moduleTexts()) {
        for (const TextUse& use : dialog.texts) {
            if (use.translatable && seen.insert(use.key).second) {
                keys.push_back(use.key);
            }
        }
    }
    return keys;
}

}  // namespace kvr::texts
