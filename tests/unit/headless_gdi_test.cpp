// Fonts, cursors, the font each window drew its text in, and resources of the
// headless window system.
#include "headless_test_support.h"

namespace kvr::headless_test {
namespace {

using HeadlessGdi = HeadlessTest;

TEST_F(HeadlessGdi, FontsKeepTheirArgumentsAndAreDeletedOnce) {
    const int before = kvrHeadlessLiveFonts();
    HFONT font =
        CreateFontW(12, 0, 0, 0, FW_THIN, 0, 1, 0, ANSI_CHARSET, 0, 0, 0, 0, u"MS Shell Dlg");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(kvrHeadlessLiveFonts(), before + 1);
    LOGFONTW lf{};
    EXPECT_EQ(GetObjectW(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, 12);
    EXPECT_EQ(lf.lfWeight, FW_THIN);
    EXPECT_EQ(lf.lfUnderline, 1);
    EXPECT_EQ(lf.lfItalic, 0);
    EXPECT_EQ(std::u16string(lf.lfFaceName), u"MS Shell Dlg");
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_FALSE(DeleteObject(font));
    EXPECT_EQ(GetObjectW(font, sizeof lf, &lf), 0);
    EXPECT_EQ(kvrHeadlessLiveFonts(), before);

    // A face name longer than LOGFONTW holds is cut, not overrun.
    HFONT longName = CreateFontW(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                 u"A face name that is much longer than thirty-one characters");
    GetObjectW(longName, sizeof lf, &lf);
    EXPECT_EQ(std::u16string(lf.lfFaceName).size(), 31u);
    DeleteObject(longName);
}

TEST_F(HeadlessGdi, CursorCopiesAreTrackedAndSharedCursorsStay) {
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(LoadCursorW(nullptr, IDC_HAND), hand);
    EXPECT_NE(LoadCursorW(nullptr, IDC_ARROW), hand);
    EXPECT_EQ(LoadCursorW(nullptr, MAKEINTRESOURCEW(106)), nullptr);
    EXPECT_FALSE(DestroyCursor(hand));

    const int before = kvrHeadlessLiveCursors();
    HCURSOR copy = CopyIcon(hand);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, hand);
    EXPECT_EQ(kvrHeadlessLiveCursors(), before + 1);
    SetCursor(copy);
    EXPECT_EQ(GetCursor(), copy);
    EXPECT_EQ(SetCursor(hand), copy);
    EXPECT_TRUE(DestroyCursor(copy));
    EXPECT_FALSE(DestroyCursor(copy));
    EXPECT_EQ(CopyIcon(copy), nullptr);
    EXPECT_EQ(kvrHeadlessLiveCursors(), before);

    // No Windows directory programs: the help program's cursor is never found.
    char16_t directory[MAX_PATH] = {};
    EXPECT_EQ(GetWindowsDirectoryW(directory, MAX_PATH), 10u);
    EXPECT_EQ(std::u16string(directory), u"C:\\windows");
    EXPECT_EQ(GetWindowsDirectoryW(directory, 4), 11u);
    EXPECT_EQ(LoadLibraryW(u"C:\\windows\\winhlp32.exe"), nullptr);
    EXPECT_FALSE(FreeLibrary(nullptr));
}

// Paints like a hyperlink label: font, transparent, blue, centred at the top.
HFONT linkFont = nullptr;
WNDPROC staticProc = nullptr;

LRESULT CALLBACK linkPaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) {
        return CallWindowProcW(staticProc, window, message, wParam, lParam);
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    SelectObject(dc, linkFont);
    SetBkMode(dc, TRANSPARENT);
    RECT r{};
    GetClientRect(window, &r);
    SetTextColor(dc, RGB(0, 0, 255));
    char16_t text[64] = {};
    int n = GetWindowTextW(window, text, 64);
    DrawTextExW(dc, text, n, &r, DT_CENTER, nullptr);
    EndPaint(window, &ps);
    return 0;
}

TEST_F(HeadlessGdi, EachWindowKeepsTheFontItDrewItsTextIn) {
    linkFont = CreateFontW(12, 0, 0, 0, FW_THIN, 0, 1, 0, 0, 0, 0, 0, 0, u"MS Shell Dlg");
    Script script;
    script.shown = [](HWND dialog) {
        HWND link = item(dialog, kLink);
        staticProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&linkPaint)));
        SetWindowTextW(link, u"www.example.org/a/long/address");
        UpdateWindow(link);
        // The font it selected, which WM_GETFONT does not tell.
        EXPECT_EQ(kvrHeadlessLastTextFont(link), linkFont);
        EXPECT_NE(reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)), linkFont);

        // A static draws in the font WM_SETFONT gave it; with the redraw flag
        // it repaints at once, without it only when next invalidated.
        HWND label = item(dialog, kLabel);
        HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
        EXPECT_EQ(kvrHeadlessLastTextFont(label), dialogFont);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont), TRUE);
        RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW);
        EXPECT_EQ(kvrHeadlessLastTextFont(label), linkFont);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont), FALSE);
        RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW);
        EXPECT_EQ(kvrHeadlessLastTextFont(label), linkFont);
        EndDialog(dialog, IDOK);
    };
    runDialog(kMainDialog, script);
    DeleteObject(linkFont);
}

TEST_F(HeadlessGdi, DrawingNeedsAPaintingDeviceContext) {
    RECT r{0, 0, 10, 10};
    char16_t text[] = u"x";
    HDC notADc = reinterpret_cast<HDC>(static_cast<std::uintptr_t>(0x1234));
    EXPECT_EQ(DrawTextExW(notADc, text, 1, &r, 0, nullptr), 0);
    EXPECT_EQ(SetBkMode(notADc, TRANSPARENT), 0);
    EXPECT_EQ(SelectObject(notADc, nullptr), nullptr);
    EXPECT_EQ(BeginPaint(nullptr, nullptr), nullptr);
}

TEST_F(HeadlessGdi, ResourcesAreFoundByOrdinalNumberTextOrName) {
    HRSRC byOrdinal = FindResourceW(testModule(), MAKEINTRESOURCEW(kMainDialog), RT_DIALOG);
    ASSERT_NE(byOrdinal, nullptr);
    EXPECT_EQ(FindResourceW(testModule(), u"#100", RT_DIALOG), byOrdinal);
    EXPECT_GT(SizeofResource(testModule(), byOrdinal), 100u);
    EXPECT_NE(LockResource(LoadResource(testModule(), byOrdinal)), nullptr);
    EXPECT_NE(FindResourceW(testModule(), MAKEINTRESOURCEW(300), RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceW(testModule(), MAKEINTRESOURCEW(300), RT_DIALOG), nullptr);
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(kMainDialog), RT_DIALOG), nullptr);
    EXPECT_EQ(FindResourceW(testModule(), u"NOSUCH", RT_DIALOG), nullptr);
    EXPECT_EQ(SizeofResource(testModule(), nullptr), 0u);
    // The same bytes make the same module; other bytes are no module.
    EXPECT_EQ(kvrHeadlessRegisterModule(testResourceImage, testResourceImageSize), testModule());
    const unsigned char notRes[8] = {1, 2, 3};
    EXPECT_EQ(kvrHeadlessRegisterModule(notRes, sizeof notRes), nullptr);
}

}  // namespace
}  // namespace kvr::headless_test
