// Controls bound to C++ objects (DDX_Control, SubclassDlgItem): the object
// is prepared once, its message map gets the control's messages, and the
// control gets its own window procedure back when either goes.
#include <functional>
#include <iterator>
#include <stdexcept>

#include "framework/controls.h"
#include "framework/cursor.h"
#include "framework/font.h"
#include "framework/paint_dc.h"
#include "framework/resource_scope.h"
#include "test_dialog.h"
#include "testing/pointer_input.h"
#include "user_input.h"

namespace kvr::framework_test {
namespace {

using BoundControls = FrameworkTest;

// A static that paints its text in its own font, shows a hand cursor and
// counts what reaches its message map.
class CountingStatic : public ui::CStatic {
public:
    CountingStatic() {
        font.CreateFont(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                        KVR_WIDE("MS Shell Dlg"));
    }

    int preparations = 0, paints = 0, buttonUps = 0, cursorRequests = 0;
    // The font selected into the device context when the text was drawn.
    HFONT lastPaintFont() const { return paintFont_; }
    std::function<void()> onButtonUp;
    ui::CFont font;
    ui::OwnedCursor hand;

    void OnPaint() {
        ++paints;
        ui::CPaintDC dc(*this);
        dc.SelectObject(font);
        // Selecting it once more gives back the font that was selected.
        paintFont_ = static_cast<HFONT>(::SelectObject(dc.m_hDC, font.handle()));
        text::WideString caption = GetWindowText();
        RECT client{};
        GetClientRect(m_hWnd, &client);
        dc.DrawTextEx(caption.data(), static_cast<int>(caption.size()), &client, DT_CENTER);
    }
    void OnLButtonUp(UINT, POINT) {
        ++buttonUps;
        if (onButtonUp) {
            onButtonUp();
        }
        Default();
    }
    BOOL OnSetCursor(HWND, UINT, UINT) {
        ++cursorRequests;
        SetCursor(hand.get());
        return TRUE;
    }

protected:
    void PreSubclassWindow() override {
        ++preparations;
        hand.reset(CopyIcon(LoadCursorW(nullptr, IDC_HAND)), true);
    }
    KVR_DECLARE_MESSAGE_MAP()

private:
    HFONT paintFont_ = nullptr;
};

KVR_BEGIN_MESSAGE_MAP(CountingStatic)
KVR_ON_WM_PAINT()
KVR_ON_WM_LBUTTONUP()
KVR_ON_WM_SETCURSOR()
KVR_END_MESSAGE_MAP()

HCURSOR CursorOver(HWND dialog, int id) {
    return testing::CursorAtPoint(dialog, testing::ControlCentre(dialog, GetDlgItem(dialog, id)));
}

TEST_F(BoundControls, AreAttachedOnceAndTheirMessageMapGetsTheirMessages) {
    CountingStatic notify, plain;
    ui::CButton check;
    TestDialog dialog(IDD_CONTROLS);
    dialog.exchange = [&](ui::CDataExchange* dx) {
        ui::DDX_Control(dx, IDC_NOTIFY_STATIC, notify);
        ui::DDX_Control(dx, IDC_PLAIN_STATIC, plain);
        ui::DDX_Control(dx, IDC_BOUND_CHECK, check);
    };
    dialog.user = {[&](TestDialog& d) {
        HWND w = d.m_hWnd;
        EXPECT_EQ(notify.m_hWnd, GetDlgItem(w, IDC_NOTIFY_STATIC));
        EXPECT_EQ(ui::CWnd::FromAttachedHandle(notify.m_hWnd), &notify);
        d.UpdateData(TRUE);
        d.UpdateData(FALSE);
        EXPECT_EQ(notify.preparations, 1);
        EXPECT_EQ(plain.preparations, 1);

        // Painting goes through the map, in the object's font.
        int paints = notify.paints;
        RedrawWindow(notify.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_GT(notify.paints, paints);
        EXPECT_EQ(notify.lastPaintFont(), notify.font.handle());

        // The SS_NOTIFY static takes the mouse; the other lets it through to
        // the dialog, so its map never sees the button or the cursor request.
        Click(w, IDC_NOTIFY_STATIC);
        Click(w, IDC_PLAIN_STATIC);
        EXPECT_EQ(notify.buttonUps, 1);
        EXPECT_EQ(plain.buttonUps, 0);
        HCURSOR shown = CursorOver(w, IDC_NOTIFY_STATIC);
        EXPECT_EQ(shown, notify.hand.get());
        EXPECT_TRUE(ui::IsModuleHandCursor(shown));
        EXPECT_GT(notify.cursorRequests, 0);
        EXPECT_NE(CursorOver(w, IDC_PLAIN_STATIC), plain.hand.get());
        EXPECT_EQ(plain.cursorRequests, 0);

        // A bound control without a map of its own works as before.
        Click(w, IDC_BOUND_CHECK);
        EXPECT_EQ(check.GetCheck(), BST_CHECKED);
        EXPECT_EQ(d.clicks, std::vector<int>{IDC_BOUND_CHECK});
        Click(w, IDCANCEL);
    }};
    EXPECT_EQ(Run(dialog), IDCANCEL);
    // The windows went with the dialog; the objects let go of them.
    EXPECT_EQ(notify.m_hWnd, nullptr);
    EXPECT_EQ(plain.m_hWnd, nullptr);
    EXPECT_EQ(check.m_hWnd, nullptr);
}

TEST_F(BoundControls, TheControlGetsItsOwnProcedureBackWhenEitherGoesFirst) {
    TestDialog dialog(IDD_CONTROLS);
    dialog.user = {[&](TestDialog& d) {
        HWND w = d.m_hWnd;
        HWND box = GetDlgItem(w, IDC_BOUND_CHECK);
        const LONG_PTR own = GetWindowLongPtrW(box, GWLP_WNDPROC);
        {
            ui::CButton bound;
            ASSERT_TRUE(bound.SubclassDlgItem(IDC_BOUND_CHECK, w));
            EXPECT_NE(GetWindowLongPtrW(box, GWLP_WNDPROC), own);
            // Once: neither this object again nor another one.
            EXPECT_FALSE(bound.SubclassDlgItem(IDC_BOUND_CHECK, w));
            ui::CButton second;
            EXPECT_FALSE(second.SubclassDlgItem(IDC_BOUND_CHECK, w));
        }
        // The object went first.
        EXPECT_EQ(GetWindowLongPtrW(box, GWLP_WNDPROC), own);
        EXPECT_EQ(ui::CWnd::FromAttachedHandle(box), nullptr);
        Click(w, IDC_BOUND_CHECK);
        EXPECT_EQ(CheckState(w, IDC_BOUND_CHECK), BST_CHECKED);

        // The window went first: the object is free to attach again.
        CountingStatic bound;
        ASSERT_TRUE(bound.SubclassDlgItem(IDC_PLAIN_STATIC, w));
        DestroyWindow(bound.m_hWnd);
        EXPECT_EQ(bound.m_hWnd, nullptr);
        EXPECT_EQ(GetDlgItem(w, IDC_PLAIN_STATIC), nullptr);
        EXPECT_TRUE(bound.SubclassDlgItem(IDC_NOTIFY_STATIC, w));
        EXPECT_EQ(bound.preparations, 2);
        Click(w, IDC_NOTIFY_STATIC);
        EXPECT_EQ(bound.buttonUps, 1);
        Click(w, IDCANCEL);
    }};
    EXPECT_EQ(Run(dialog), IDCANCEL);
}

TEST_F(BoundControls, AnExceptionFromAControlHandlerEndsTheDialogAndIsRethrown) {
    struct ControlFailure : std::runtime_error {
        using std::runtime_error::runtime_error;
    };
    CountingStatic notify;
    notify.onButtonUp = [] { throw ControlFailure("static failed"); };
    TestDialog dialog(IDD_CONTROLS);
    dialog.exchange = [&](ui::CDataExchange* dx) {
        ui::DDX_Control(dx, IDC_NOTIFY_STATIC, notify);
    };
    dialog.user = {[](TestDialog& d) {
        Click(d.m_hWnd, IDC_NOTIFY_STATIC);
        EXPECT_TRUE(d.HasEnded());
    }};
    EXPECT_THROW(Run(dialog), ControlFailure);
    EXPECT_EQ(notify.buttonUps, 1);
    EXPECT_FALSE(IsWindow(dialog.shownWindow));
    EXPECT_EQ(notify.m_hWnd, nullptr);
}

}  // namespace
}  // namespace kvr::framework_test
