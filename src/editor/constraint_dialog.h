// KVRGUIConstraintDialog: the dimension editor. It shows the name and value
// of one constraint and, where the type has a counterpart, lets the user
// switch it between a distance and an angle; each switch re-reads the value
// from the plug-in. The description it edits is built when the dialog is
// constructed and released with it.
#pragma once

#include "editor/constraint_description.h"
#include "framework/dialog.h"
#include "resources/resource_ids.h"
#include "ruby/ruby_value.h"
#include "text/wide_string.h"

namespace kvr::editor {

class KVRGUIConstraintDialog : public ui::CDialog {
    KVR_DECLARE_DYNAMIC(KVRGUIConstraintDialog)

public:
    static constexpr UINT IDD = IDD_KVRGUI_CONSTRAINT;

    // Builds the description from the argument of KVRGUIShowConstraint; a
    // Ruby exception while reading it comes out as a RubyError.
    explicit KVRGUIConstraintDialog(rb::Value argument, ui::CWnd* parent = nullptr);
    ~KVRGUIConstraintDialog() override;

    // Runs the dialog modally; without a description there is nothing to
    // edit and nothing is shown.
    INT_PTR DoModal();

    // The description, or null when none could be built.
    const ConstraintDescription* description() const { return m_description.get(); }

    BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    void OnChoiceClicked();
    void OnOkClicked();

    KVR_DECLARE_COMMAND_MAP()

private:
    // The value text as shown: an angle carries the degree sign.
    text::WideString ValueAsShown() const;
    // Stores the boxes' texts (already read into the members) as UTF-8.
    void StoreEditedTexts();
    void FocusAndSelectValue();

    ConstraintDescriptionPtr m_description;
    text::WideString m_value;
    text::WideString m_name;
    text::WideString m_valueLabel;
    text::WideString m_typeCaption;
    text::WideString m_nameCaption;
    text::WideString m_degreeSign;
    text::WideString m_angleCaption;
    text::WideString m_distanceCaption;
    text::WideString m_okCaption;
    text::WideString m_cancelCaption;
};

}  // namespace kvr::editor
