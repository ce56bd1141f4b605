// The option boxes' tooltips, texts from the catalogue.
#include "ui/win32/option_tooltips.h"

#include "text/encoding_win32.h"
#include "ui/controls.h"
#include "workflow/catalogue.h"

#include <commctrl.h>

#include <string>

namespace korvath {
namespace {

constexpr int kTipWidth = 320;
constexpr int kShownMs = 30000;

} // namespace

HWND create_option_tooltips(HWND owner, const std::function<HWND(int box)>& box_window,
                            const DpiScale& scale) {
    HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (tips == nullptr) {
        return nullptr;
    }
    // A width makes the long descriptions wrap instead of running off screen.
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, scale.px(kTipWidth));
    SendMessageW(tips, TTM_SETDELAYTIME, TTDT_AUTOPOP, kShownMs);
    for (int box = 1; box <= kOptionBoxCount; ++box) {
        HWND target = box_window(box);
        std::wstring text = to_wide(option_tooltip(box));
        TTTOOLINFOW tool = {};
        // The size every comctl32 version accepts.
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = GetParent(target);
        tool.uId = reinterpret_cast<UINT_PTR>(target);
        tool.lpszText = text.data();
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return tips;
}

} // namespace korvath
