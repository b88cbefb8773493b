#include "editor/constraint_dialog.h"

#include "framework/data_exchange.h"
#include "strings/lookup.h"

namespace kvr::editor {

using strings::Lookup;

KVR_IMPLEMENT_DYNAMIC(KVRGUIConstraintDialog, ui::CDialog)

KVR_BEGIN_COMMAND_MAP(KVRGUIConstraintDialog)
KVR_ON_BN_CLICKED(IDOK, OnOkClicked)
KVR_ON_BN_CLICKED(IDC_EDITOR_DISTANCE, OnChoiceClicked)
KVR_ON_BN_CLICKED(IDC_EDITOR_ANGLE, OnChoiceClicked)
KVR_END_COMMAND_MAP()

KVRGUIConstraintDialog::KVRGUIConstraintDialog(rb::Value argument, ui::CWnd* parent)
    : CDialog(IDD, parent), m_description(buildConstraintDescription(argument)) {
    if (!m_description) {
        return;
    }
    const ConstraintDescription& d = *m_description;
    m_degreeSign = Lookup(d.degreeSignKey);
    m_value = ValueAsShown();
    // A name that is a key of the strings file shows translated.
    m_name = Lookup(d.nameText.c_str());
    m_valueLabel = Lookup(d.valueLabelKey);
    m_typeCaption = Lookup(d.dimensionTypeKey);
    m_nameCaption = Lookup(d.dimensionNameKey);
    m_angleCaption = Lookup(d.angleKey);
    m_distanceCaption = Lookup(d.distanceKey);
    m_okCaption = Lookup(d.okKey);
    m_cancelCaption = Lookup(d.cancelKey);
}

KVRGUIConstraintDialog::~KVRGUIConstraintDialog() {
    releaseConstraintDescription(m_description);
}

INT_PTR KVRGUIConstraintDialog::DoModal() {
    return m_description ? CDialog::DoModal() : IDCANCEL;
}

text::WideString KVRGUIConstraintDialog::ValueAsShown() const {
    text::WideString value = text::utf8ToWide(m_description->valueText);
    if (m_description->angleSelected()) {
        value += m_degreeSign;
    }
    return value;
}

void KVRGUIConstraintDialog::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ui::DDX_Text(pDX, IDC_EDITOR_VALUE, m_value);
    ui::DDX_Text(pDX, IDC_EDITOR_NAME, m_name);
    ui::DDX_Text(pDX, IDC_EDITOR_VALUE_LABEL, m_valueLabel);
    ui::DDX_Text(pDX, IDC_EDITOR_NAME_CAPTION, m_nameCaption);
    ui::DDX_Text(pDX, IDC_EDITOR_TYPE_CAPTION, m_typeCaption);
    ui::DDX_Text(pDX, IDC_EDITOR_DISTANCE, m_distanceCaption);
    ui::DDX_Text(pDX, IDC_EDITOR_ANGLE, m_angleCaption);
    ui::DDX_Text(pDX, IDOK, m_okCaption);
    ui::DDX_Text(pDX, IDCANCEL, m_cancelCaption);
    // The group runs from Distance to the type caption, which starts the
    // next group; started at Angle, the same walk covers Angle alone.
    ui::DDX_Radio(pDX, IDC_EDITOR_DISTANCE, m_description->distanceChoice);
    ui::DDX_Radio(pDX, IDC_EDITOR_ANGLE, m_description->angleChoice);
}

void KVRGUIConstraintDialog::FocusAndSelectValue() {
    HWND value = GetDlgItem(IDC_EDITOR_VALUE);
    ::SetFocus(value);
    // The whole text, however long (-1: up to its end).
    ::SendMessageW(value, EM_SETSEL, 0, -1);
}

BOOL KVRGUIConstraintDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(Lookup(m_description->typeNameKey));
    if (m_description->kind == texts::ValueKind::Fixed || m_description->notPreConstraint) {
        ::EnableWindow(GetDlgItem(IDC_EDITOR_DISTANCE), FALSE);
        ::EnableWindow(GetDlgItem(IDC_EDITOR_ANGLE), FALSE);
    }
    FocusAndSelectValue();
    return FALSE;  // the focus is set
}

void KVRGUIConstraintDialog::StoreEditedTexts() {
    std::string name = text::wideToUtf8(m_name);
    std::string value = text::wideToUtf8(m_value);
    storeEditedTexts(m_description.get(), name, value);
}

void KVRGUIConstraintDialog::OnChoiceClicked() {
    UpdateData(TRUE);
    StoreEditedTexts();
    applyDistanceAngleChoice(m_description.get());
    m_value = ValueAsShown();
    // The name as the user left it, not looked up again.
    m_name = text::utf8ToWide(m_description->nameText);
    m_valueLabel = Lookup(m_description->valueLabelKey);
    SetWindowText(Lookup(m_description->typeNameKey));
    UpdateData(FALSE);
    FocusAndSelectValue();
}

void KVRGUIConstraintDialog::OnOkClicked() {
    OnOK();
    StoreEditedTexts();
    m_description->accepted = true;
}

}  // namespace kvr::editor
