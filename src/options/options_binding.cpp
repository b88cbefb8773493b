#include "options/options_binding.h"

#include "catalogue/dialog_texts.h"

#include "ruby/calls.h"

namespace kvr::options {

namespace {

struct FlagMethods {
    const char* reader;
    const char* writer;
    std::int32_t KVRGUIOptionsBinding::*mirror;
};

// In the order of OptionFlag.
constexpr FlagMethods kFlags[] = {
    {"inferredConstraints", "inferredConstraintsEXT=", &KVRGUIOptionsBinding::inferredConstraints},
    {"inferredConstraintsRectangle",
     "inferredConstraintsRectangleEXT=", &KVRGUIOptionsBinding::inferredConstraintsRectangle},
    {"inferredConstraintsPushPull",
     "inferredConstraintsPushPullEXT=", &KVRGUIOptionsBinding::inferredConstraintsPushPull},
    {"fullText", "fullTextEXT=", &KVRGUIOptionsBinding::fullText},
    {"immediatelySolve", "immediatelySolveEXT=", &KVRGUIOptionsBinding::immediatelySolve},
    {"fixationForVertexBySorvaneTool",
     "fixationForVertexBySorvaneToolEXT=", &KVRGUIOptionsBinding::fixationForVertexBySorvaneTool},
    {"fixationForFaceBySorvaneTool",
     "fixationForFaceBySorvaneToolEXT=", &KVRGUIOptionsBinding::fixationForFaceBySorvaneTool},
};

// The dialog's keys by the controls that show them (dialog_texts.h), in the
// dialog's member order.
template <int ControlId>
constexpr const char* kOptionsKey = texts::kKey<texts::kOptionsTexts, ControlId>;

constexpr const char* kTextKeys[KVRGUIOptionsBinding::kTextCount] = {
    kOptionsKey<0>,
    kOptionsKey<IDC_OPTIONS_INFERRED_HEADING>,
    kOptionsKey<IDC_OPTIONS_INFERRED>,
    kOptionsKey<IDC_OPTIONS_RECTANGLE>,
    kOptionsKey<IDC_OPTIONS_PUSH_PULL>,
    kOptionsKey<IDC_OPTIONS_UPDATE_MODE_HEADING>,
    kOptionsKey<IDC_OPTIONS_IMMEDIATELY_SOLVE>,
    kOptionsKey<IDC_OPTIONS_AFTER_EDITING_HEADING>,
    kOptionsKey<IDC_OPTIONS_DO_NOTHING>,
    kOptionsKey<IDC_OPTIONS_UPDATE_VALUES>,
    kOptionsKey<IDC_OPTIONS_UPDATE_GEOMETRY>,
    kOptionsKey<IDC_OPTIONS_FULL_TEXT>,
    kOptionsKey<IDC_OPTIONS_RESTORE_DEFAULTS>,
    kOptionsKey<IDC_OPTIONS_OK>,
};

const FlagMethods& MethodsOf(OptionFlag option) {
    return kFlags[static_cast<int>(option)];
}

bool ReadOption(const KVRGUIOptionsBinding& binding, const char* reader) {
    return rb::isTrue(rb::call(binding.optionsObject.value(), reader));
}

void WriteOption(const KVRGUIOptionsBinding& binding, const char* writer, bool on) {
    rb::call(binding.optionsObject.value(), writer, rb::boolValue(on));
}

// The coupling of a sub-option with the master switch.
void WriteSubOption(KVRGUIOptionsBinding& binding, OptionFlag subOption, OptionFlag otherSubOption,
                    std::int32_t value) {
    WriteFlag(binding, subOption, value);
    if (value == 1) {
        WriteFlag(binding, OptionFlag::inferredConstraints, 1);
    } else if (Mirror(binding, otherSubOption) != 1) {
        WriteFlag(binding, OptionFlag::inferredConstraints, 0);
    }
}

}  // namespace

std::unique_ptr<KVRGUIOptionsBinding> CreateOptionsBinding(rb::Value pluginObject) {
    auto binding = std::make_unique<KVRGUIOptionsBinding>();
    binding->pluginObject.set(pluginObject);
    rb::Value data = rb::call(pluginObject, "kvrSkpData");
    binding->optionsObject.set(rb::call(data, "options"));
    for (std::size_t i = 0; i < KVRGUIOptionsBinding::kTextCount; ++i) {
        binding->textKeys[i] = kTextKeys[i];
    }
    return binding;
}

std::int32_t& Mirror(KVRGUIOptionsBinding& binding, OptionFlag option) {
    return binding.*MethodsOf(option).mirror;
}

void ReadFlag(KVRGUIOptionsBinding& binding, OptionFlag option) {
    Mirror(binding, option) = ReadOption(binding, MethodsOf(option).reader) ? 1 : 0;
}

void WriteFlag(KVRGUIOptionsBinding& binding, OptionFlag option, std::int32_t value) {
    Mirror(binding, option) = value;
    WriteOption(binding, MethodsOf(option).writer, value == 1);
}

void WriteFullText(KVRGUIOptionsBinding& binding, std::int32_t value) {
    WriteFlag(binding, OptionFlag::fullText, value);
    rb::call(binding.pluginObject.value(), "applyLabelsTextStyle");
}

void WriteInferredAll(KVRGUIOptionsBinding& binding, std::int32_t value) {
    constexpr OptionFlag kAll[] = {OptionFlag::inferredConstraints,
                                   OptionFlag::inferredConstraintsPushPull,
                                   OptionFlag::inferredConstraintsRectangle};
    for (OptionFlag option : kAll) {
        Mirror(binding, option) = value;
    }
    for (OptionFlag option : kAll) {
        WriteOption(binding, MethodsOf(option).writer, value == 1);
    }
}

void WriteInferredRectangle(KVRGUIOptionsBinding& binding, std::int32_t value) {
    WriteSubOption(binding, OptionFlag::inferredConstraintsRectangle,
                   OptionFlag::inferredConstraintsPushPull, value);
}

void WriteInferredPushPull(KVRGUIOptionsBinding& binding, std::int32_t value) {
    WriteSubOption(binding, OptionFlag::inferredConstraintsPushPull,
                   OptionFlag::inferredConstraintsRectangle, value);
}

void ReadUpdateMode(KVRGUIOptionsBinding& binding) {
    const bool values = ReadOption(binding, "autoRecalculateConstraintsValues");
    const bool model = ReadOption(binding, "autoRecalculateModel");
    binding.updateMode = values == model ? kUpdateNothing
                         : values        ? kUpdateValues
                                         : kUpdateGeometry;
}

void WriteUpdateMode(KVRGUIOptionsBinding& binding) {
    WriteOption(binding, "autoRecalculateModelEXT=", binding.updateMode == kUpdateGeometry);
    WriteOption(binding,
                "autoRecalculateConstraintsValuesEXT=", binding.updateMode == kUpdateValues);
}

void RestoreDefaults(KVRGUIOptionsBinding& binding) {
    rb::call(binding.optionsObject.value(), "setDefaultSettings");
}

}  // namespace kvr::options
