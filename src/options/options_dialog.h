// KVRGUIOptionsDialog: the plug-in's options, written to its options object
// the moment the user changes one. Check boxes for inferred dimensions (a
// master switch and two sub-options), for updating the geometry right after
// an edit and for full dimension names (two more, for fixations, exist hidden);
// a three-way choice of what follows an edit of the geometry; Restore
// Defaults; OK. There is no Cancel: closing the dialog in any way writes and
// undoes nothing.
#pragma once

#include <memory>

#include "framework/controls.h"
#include "framework/dialog.h"
#include "options/options_binding.h"
#include "resources/resource_ids.h"
#include "text/wide_string.h"

namespace kvr::options {

class KVRGUIOptionsDialog : public ui::CDialog {
    KVR_DECLARE_DYNAMIC(KVRGUIOptionsDialog)

public:
    static constexpr UINT IDD = IDD_KVRGUI_OPTIONS;

    // Reaches the options object through the plug-in object and reads the
    // update mode; the other options are read when the window opens. A Ruby
    // exception leaves the constructor as rb::RubyError: no dialog opens.
    explicit KVRGUIOptionsDialog(rb::Value pluginObject, ui::CWnd* parent = nullptr);

    void DoDataExchange(ui::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    // Reads the option and shows it: checked only when its mirror is 1.
    void RefreshCheck(OptionFlag option);

    void OnInferredClicked();
    void OnRectangleClicked();
    void OnPushPullClicked();
    void OnFullTextClicked();
    void OnVertexFixationClicked();
    void OnFaceFixationClicked();
    void OnImmediatelySolveClicked();
    void OnUpdateModeClicked();
    void OnRestoreDefaultsClicked();
    void OnOkClicked();

    KVR_DECLARE_COMMAND_MAP()

private:
    ui::CButton& CheckBoxOf(OptionFlag option);
    // The controls read into the members; then whether the box is checked.
    std::int32_t ReadChecked(ui::CButton& box);
    void RefreshAllChecks();
    using SubOptionWriter = void (*)(KVRGUIOptionsBinding&, std::int32_t);
    void OnSubOptionClicked(ui::CButton& box, ui::CButton& otherBox, SubOptionWriter write);

    ui::CButton m_inferredCheck;
    ui::CButton m_rectangleCheck;
    ui::CButton m_pushPullCheck;
    ui::CButton m_fullTextCheck;
    ui::CButton m_vertexFixationCheck;
    ui::CButton m_faceFixationCheck;
    ui::CButton m_immediatelySolveCheck;
    std::unique_ptr<KVRGUIOptionsBinding> m_binding;
    // Filled from the binding's text keys, in this order.
    text::WideString m_titleText;
    text::WideString m_inferredHeading;
    text::WideString m_inferredCaption;
    text::WideString m_rectangleCaption;
    text::WideString m_pushPullCaption;
    text::WideString m_updateModeHeading;
    text::WideString m_immediatelySolveCaption;
    text::WideString m_afterEditingHeading;
    text::WideString m_doNothingCaption;
    text::WideString m_updateValuesCaption;
    text::WideString m_updateGeometryCaption;
    text::WideString m_fullTextCaption;
    text::WideString m_restoreDefaultsCaption;
    text::WideString m_okCaption;
};

}  // namespace kvr::options
