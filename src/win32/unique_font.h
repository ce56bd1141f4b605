// Owner of one GDI font: deletes it once, cannot be copied.
#pragma once

#include <windows.h>

#include <utility>

namespace korvath {

class UniqueFont {
  public:
    UniqueFont() = default;
    explicit UniqueFont(HFONT font) : font_(font) {}
    UniqueFont(const UniqueFont&) = delete;
    UniqueFont& operator=(const UniqueFont&) = delete;
    UniqueFont(UniqueFont&& other) noexcept : font_(std::exchange(other.font_, nullptr)) {}
    UniqueFont& operator=(UniqueFont&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.font_, nullptr));
        }
        return *this;
    }
    ~UniqueFont() { reset(); }

    HFONT get() const { return font_; }
    void reset(HFONT font = nullptr) {
        if (font_ != nullptr) {
            DeleteObject(font_);
        }
        font_ = font;
    }

  private:
    HFONT font_ = nullptr;
};

} // namespace korvath
