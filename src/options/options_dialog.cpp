#include "options/options_dialog.h"

#include <iterator>

#include "framework/data_exchange.h"
#include "strings/lookup.h"

namespace kvr::options {

KVR_IMPLEMENT_DYNAMIC(KVRGUIOptionsDialog, ui::CDialog)

KVR_BEGIN_COMMAND_MAP(KVRGUIOptionsDialog)
KVR_ON_BN_CLICKED(IDC_OPTIONS_INFERRED, OnInferredClicked)
KVR_ON_BN_CLICKED(IDC_OPTIONS_RECTANGLE, OnRectangleClicked)
KVR_ON_BN_CLICKED(IDC_OPTIONS_PUSH_PULL, OnPushPullClicked)
KVR_ON_BN_CLICKED(IDC_OPTIONS_FULL_TEXT, OnFullTextClicked)
KVR_ON_BN_CLICKED(IDC_OPTIONS_VERTEX_FIXATION, OnVertexFixationClicked)
KVR_ON_BN_CLICKED(IDC_OPTIONS_FACE_FIXATION, OnFaceFixationClicked)
KVR_ON_BN_CLICKED(IDC_OPTIONS_RESTORE_DEFAULTS, OnRestoreDefaultsClicked)
KVR_ON_BN_CLICKED(IDC_OPTIONS_IMMEDIATELY_SOLVE, OnImmediatelySolveClicked)
KVR_ON_BN_CLICKED(IDC_OPTIONS_DO_NOTHING, OnUpdateModeClicked)
KVR_ON_BN_CLICKED(IDC_OPTIONS_UPDATE_VALUES, OnUpdateModeClicked)
KVR_ON_BN_CLICKED(IDC_OPTIONS_UPDATE_GEOMETRY, OnUpdateModeClicked)
KVR_ON_BN_CLICKED(IDC_OPTIONS_OK, OnOkClicked)
KVR_END_COMMAND_MAP()

namespace {

// The radio buttons of the update mode, by index.
constexpr int kUpdateModeRadios[] = {IDC_OPTIONS_DO_NOTHING, IDC_OPTIONS_UPDATE_VALUES,
                                     IDC_OPTIONS_UPDATE_GEOMETRY};

// The order in which the check boxes are read when the window opens and after
// Restore Defaults.
constexpr OptionFlag kRefreshOrder[] = {
    OptionFlag::inferredConstraints,
    OptionFlag::inferredConstraintsRectangle,
    OptionFlag::inferredConstraintsPushPull,
    OptionFlag::fullText,
    OptionFlag::fixationForFaceBySorvaneTool,
    OptionFlag::fixationForVertexBySorvaneTool,
    OptionFlag::immediatelySolve,
};

}  // namespace

KVRGUIOptionsDialog::KVRGUIOptionsDialog(rb::Value pluginObject, ui::CWnd* parent)
    : CDialog(IDD, parent), m_binding(CreateOptionsBinding(pluginObject)) {
    ReadUpdateMode(*m_binding);
    // In the order of the binding's text keys.
    text::WideString* texts[] = {
        &m_titleText,
        &m_inferredHeading,
        &m_inferredCaption,
        &m_rectangleCaption,
        &m_pushPullCaption,
        &m_updateModeHeading,
        &m_immediatelySolveCaption,
        &m_afterEditingHeading,
        &m_doNothingCaption,
        &m_updateValuesCaption,
        &m_updateGeometryCaption,
        &m_fullTextCaption,
        &m_restoreDefaultsCaption,
        &m_okCaption,
    };
    static_assert(std::size(texts) == KVRGUIOptionsBinding::kTextCount);
    for (std::size_t i = 0; i < KVRGUIOptionsBinding::kTextCount; ++i) {
        *texts[i] = strings::Lookup(m_binding->textKeys[i]);
    }
}

void KVRGUIOptionsDialog::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ui::DDX_Control(pDX, IDC_OPTIONS_RECTANGLE, m_rectangleCheck);
    ui::DDX_Control(pDX, IDC_OPTIONS_PUSH_PULL, m_pushPullCheck);
    ui::DDX_Control(pDX, IDC_OPTIONS_INFERRED, m_inferredCheck);
    ui::DDX_Control(pDX, IDC_OPTIONS_FULL_TEXT, m_fullTextCheck);
    ui::DDX_Control(pDX, IDC_OPTIONS_VERTEX_FIXATION, m_vertexFixationCheck);
    ui::DDX_Control(pDX, IDC_OPTIONS_FACE_FIXATION, m_faceFixationCheck);
    ui::DDX_Control(pDX, IDC_OPTIONS_IMMEDIATELY_SOLVE, m_immediatelySolveCheck);
    ui::DDX_Radio(pDX, IDC_OPTIONS_DO_NOTHING, m_binding->updateMode);
    ui::DDX_Text(pDX, IDC_OPTIONS_INFERRED_HEADING, m_inferredHeading);
    ui::DDX_Text(pDX, IDC_OPTIONS_INFERRED, m_inferredCaption);
    ui::DDX_Text(pDX, IDC_OPTIONS_RECTANGLE, m_rectangleCaption);
    ui::DDX_Text(pDX, IDC_OPTIONS_PUSH_PULL, m_pushPullCaption);
    ui::DDX_Text(pDX, IDC_OPTIONS_UPDATE_MODE_HEADING, m_updateModeHeading);
    ui::DDX_Text(pDX, IDC_OPTIONS_IMMEDIATELY_SOLVE, m_immediatelySolveCaption);
    ui::DDX_Text(pDX, IDC_OPTIONS_AFTER_EDITING_HEADING, m_afterEditingHeading);
    ui::DDX_Text(pDX, IDC_OPTIONS_DO_NOTHING, m_doNothingCaption);
    ui::DDX_Text(pDX, IDC_OPTIONS_UPDATE_VALUES, m_updateValuesCaption);
    ui::DDX_Text(pDX, IDC_OPTIONS_UPDATE_GEOMETRY, m_updateGeometryCaption);
    ui::DDX_Text(pDX, IDC_OPTIONS_FULL_TEXT, m_fullTextCaption);
    ui::DDX_Text(pDX, IDC_OPTIONS_RESTORE_DEFAULTS, m_restoreDefaultsCaption);
    ui::DDX_Text(pDX, IDC_OPTIONS_OK, m_okCaption);
}

BOOL KVRGUIOptionsDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(m_titleText);
    // The boxes show the options exactly as read, reconciled or not.
    RefreshAllChecks();
    ::SetFocus(GetDlgItem(IDC_OPTIONS_OK));
    return FALSE;  // the focus is set
}

ui::CButton& KVRGUIOptionsDialog::CheckBoxOf(OptionFlag option) {
    switch (option) {
        case OptionFlag::inferredConstraints:
            return m_inferredCheck;
        case OptionFlag::inferredConstraintsRectangle:
            return m_rectangleCheck;
        case OptionFlag::inferredConstraintsPushPull:
            return m_pushPullCheck;
        case OptionFlag::fullText:
            return m_fullTextCheck;
        case OptionFlag::immediatelySolve:
            return m_immediatelySolveCheck;
        case OptionFlag::fixationForVertexBySorvaneTool:
            return m_vertexFixationCheck;
        case OptionFlag::fixationForFaceBySorvaneTool:
            break;
    }
    return m_faceFixationCheck;
}

void KVRGUIOptionsDialog::RefreshCheck(OptionFlag option) {
    ReadFlag(*m_binding, option);
    CheckBoxOf(option).SetCheck(Mirror(*m_binding, option) == 1 ? BST_CHECKED : BST_UNCHECKED);
}

void KVRGUIOptionsDialog::RefreshAllChecks() {
    for (OptionFlag option : kRefreshOrder) {
        RefreshCheck(option);
    }
}

std::int32_t KVRGUIOptionsDialog::ReadChecked(ui::CButton& box) {
    UpdateData(TRUE);
    return box.GetCheck() != BST_UNCHECKED ? 1 : 0;
}

void KVRGUIOptionsDialog::OnInferredClicked() {
    const std::int32_t checked = ReadChecked(m_inferredCheck);
    WriteInferredAll(*m_binding, checked);
    m_rectangleCheck.SetCheck(checked);
    m_pushPullCheck.SetCheck(checked);
}

void KVRGUIOptionsDialog::OnRectangleClicked() {
    OnSubOptionClicked(m_rectangleCheck, m_pushPullCheck, &WriteInferredRectangle);
}

void KVRGUIOptionsDialog::OnPushPullClicked() {
    OnSubOptionClicked(m_pushPullCheck, m_rectangleCheck, &WriteInferredPushPull);
}

// The master's mark follows the sub-option's rule, judged from the other
// sub-option's mark on screen (which the mirrors agree with, since every
// change passes through these handlers).
void KVRGUIOptionsDialog::OnSubOptionClicked(ui::CButton& box, ui::CButton& otherBox,
                                             SubOptionWriter write) {
    const std::int32_t checked = ReadChecked(box);
    write(*m_binding, checked);
    if (checked) {
        m_inferredCheck.SetCheck(BST_CHECKED);
    } else if (otherBox.GetCheck() == BST_UNCHECKED) {
        m_inferredCheck.SetCheck(BST_UNCHECKED);
    }
}

void KVRGUIOptionsDialog::OnFullTextClicked() {
    WriteFullText(*m_binding, ReadChecked(m_fullTextCheck));
}

void KVRGUIOptionsDialog::OnVertexFixationClicked() {
    WriteFlag(*m_binding, OptionFlag::fixationForVertexBySorvaneTool,
              ReadChecked(m_vertexFixationCheck));
}

void KVRGUIOptionsDialog::OnFaceFixationClicked() {
    WriteFlag(*m_binding, OptionFlag::fixationForFaceBySorvaneTool,
              ReadChecked(m_faceFixationCheck));
}

void KVRGUIOptionsDialog::OnImmediatelySolveClicked() {
    WriteFlag(*m_binding, OptionFlag::immediatelySolve, ReadChecked(m_immediatelySolveCheck));
}

void KVRGUIOptionsDialog::OnUpdateModeClicked() {
    UpdateData(TRUE);  // the checked radio button's index into updateMode
    WriteUpdateMode(*m_binding);
}

void KVRGUIOptionsDialog::OnRestoreDefaultsClicked() {
    // The controls are not read first: the defaults replace what they show.
    RestoreDefaults(*m_binding);
    RefreshAllChecks();
    ReadUpdateMode(*m_binding);
    for (int index = 0; index < static_cast<int>(std::size(kUpdateModeRadios)); ++index) {
        ::SendMessageW(GetDlgItem(kUpdateModeRadios[index]), BM_SETCHECK,
                       index == m_binding->updateMode ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void KVRGUIOptionsDialog::OnOkClicked() {
    OnOK();
}

}  // namespace kvr::options
