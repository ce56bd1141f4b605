// The instructions label's font and height, so that no line of its text is
// cut off whatever the system's default face.
#pragma once

#include "win32/unique_font.h"

#include <windows.h>

namespace korvath {

// Characters of `char_height` pixels, normal weight, the default face. A face
// that spaces its lines more widely than the label's height allows lets the
// label grow towards the bottom of `panel`; if the text still does not fit,
// the characters shrink by a pixel at a time until it does.
UniqueFont fit_label_font(HWND label, HWND panel, int char_height);

} // namespace korvath
