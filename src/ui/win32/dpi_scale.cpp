// The system DPI, read once from the screen's device context.
#include "ui/win32/dpi_scale.h"

namespace korvath {

DpiScale DpiScale::system() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return DpiScale(dpi > 0 ? dpi : 96);
}

} // namespace korvath
