// KVRGUIOptionsBinding: everything the options dialog knows about the
// plug-in's Ruby side. It reaches the options object from the plug-in object,
// reads and writes each option through the object's reader and writer methods
// (writers are the reader's name followed by "EXT="), keeps a mirror of every
// option as last read or written, and keeps the inferred-dimensions master
// switch consistent with its two sub-options.
//
// Readers count an option as on only when they return the `true` object
// itself; writers always send `true` or `false`. The coupling rules consult
// the mirrors, never Ruby. Every call is protected: a Ruby exception comes out
// as rb::RubyError, and the operation stops at the call that raised it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "ruby/gc_guard.h"
#include "ruby/ruby_value.h"

namespace kvr::options {

// The options shown by check boxes. autoRecalculateModel and
// autoRecalculateConstraintsValues are read and written together, as
// updateMode.
enum class OptionFlag {
    inferredConstraints,
    inferredConstraintsRectangle,
    inferredConstraintsPushPull,
    fullText,
    immediatelySolve,
    fixationForVertexBySorvaneTool,
    fixationForFaceBySorvaneTool,
};

// The choice of what follows an edit of the geometry.
enum UpdateMode : std::int32_t {
    kUpdateNothing = 0,
    kUpdateValues = 1,
    kUpdateGeometry = 2,
};

struct KVRGUIOptionsBinding {
    static constexpr std::size_t kTextCount = 14;

    // Both values live in heap memory for as long as the dialog is open; they
    // stay registered with the garbage collector all that time, so that an
    // options object nothing else refers to is neither freed nor moved.
    rb::GcGuard pluginObject;   // receives kvrSkpData and applyLabelsTextStyle
    rb::GcGuard optionsObject;  // receives every reader and writer
    std::int32_t inferredConstraints = 0;
    std::int32_t inferredConstraintsRectangle = 0;
    std::int32_t inferredConstraintsPushPull = 0;
    std::int32_t fullText = 0;
    std::int32_t immediatelySolve = 0;
    // An UpdateMode, or -1 when the radio group had no button checked.
    std::int32_t updateMode = kUpdateNothing;
    std::int32_t fixationForVertexBySorvaneTool = 0;
    std::int32_t fixationForFaceBySorvaneTool = 0;
    // The English keys of the dialog's texts, in the dialog's member order.
    std::array<const char*, kTextCount> textKeys{};
};

// Stores the plug-in object and reaches the options object through
// pluginObject.kvrSkpData.options (results unchecked); fills the text keys.
// Reads no option. Without memory for the record it throws std::bad_alloc,
// which the method's outermost frame turns into nil: no dialog opens.
std::unique_ptr<KVRGUIOptionsBinding> CreateOptionsBinding(rb::Value pluginObject);

// The mirror of an option: 1 when it was last read or written as on.
std::int32_t& Mirror(KVRGUIOptionsBinding& binding, OptionFlag option);

// Calls the option's reader; its mirror becomes 1 for `true`, else 0.
void ReadFlag(KVRGUIOptionsBinding& binding, OptionFlag option);

// Stores value (1 on, 0 off) in the mirror and calls the option's writer with
// `true` for 1, else `false`. For the options without coupling.
void WriteFlag(KVRGUIOptionsBinding& binding, OptionFlag option, std::int32_t value);

// WriteFlag of fullText, then applyLabelsTextStyle on the plug-in object.
void WriteFullText(KVRGUIOptionsBinding& binding, std::int32_t value);

// The master switch: all three options take value, written master first,
// then push/pull, then rectangle.
void WriteInferredAll(KVRGUIOptionsBinding& binding, std::int32_t value);

// A sub-option: written first; switched on, it switches the master on
// (written again even when it was on); switched off, it switches the master
// off only when the other sub-option's mirror is off too.
void WriteInferredRectangle(KVRGUIOptionsBinding& binding, std::int32_t value);
void WriteInferredPushPull(KVRGUIOptionsBinding& binding, std::int32_t value);

// updateMode from autoRecalculateConstraintsValues (values) and then
// autoRecalculateModel (model): only values 1, only model 2, otherwise 0.
void ReadUpdateMode(KVRGUIOptionsBinding& binding);

// Writes autoRecalculateModel and then autoRecalculateConstraintsValues from
// updateMode; any value but 1 and 2 writes `false` to both.
void WriteUpdateMode(KVRGUIOptionsBinding& binding);

// setDefaultSettings on the options object. The mirrors are left as they
// are: the caller reads every option again.
void RestoreDefaults(KVRGUIOptionsBinding& binding);

}  // namespace kvr::options
