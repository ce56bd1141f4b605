// Pixels at 96 DPI scaled to the system DPI, so the window keeps its
// proportions on high-DPI screens.
#pragma once

#include "ui/layout.h"

#include <windows.h>

namespace korvath {

class DpiScale {
  public:
    explicit DpiScale(int dpi) : dpi_(dpi) {}
    // The DPI of the screen, as the system reports it at start.
    static DpiScale system();

    int px(int pixels_at_96) const { return MulDiv(pixels_at_96, dpi_, 96); }
    Rect rect(const Rect& at_96) const {
        return {px(at_96.x), px(at_96.y), px(at_96.width), px(at_96.height)};
    }

  private:
    int dpi_;
};

} // namespace korvath
