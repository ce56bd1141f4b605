// UTF-8, UTF-16 and ANSI code page conversions through the Win32 API.
#include "text/encoding_win32.h"

#include <windows.h>

namespace korvath {
namespace {

std::wstring multibyte_to_wide(std::string_view bytes, UINT code_page) {
    if (bytes.empty()) {
        return {};
    }
    int size = static_cast<int>(bytes.size());
    int length = MultiByteToWideChar(code_page, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(code_page, 0, bytes.data(), size, wide.data(), length);
    return wide;
}

std::string wide_to_multibyte(std::wstring_view wide, UINT code_page) {
    if (wide.empty()) {
        return {};
    }
    int size = static_cast<int>(wide.size());
    int length = WideCharToMultiByte(code_page, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(code_page, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

} // namespace

std::wstring to_wide(std::string_view utf8) {
    return multibyte_to_wide(utf8, CP_UTF8);
}

std::string to_utf8(std::wstring_view wide) {
    return wide_to_multibyte(wide, CP_UTF8);
}

std::string ansi_to_utf8(std::string_view bytes, unsigned code_page) {
    return to_utf8(multibyte_to_wide(bytes, code_page == 0 ? CP_ACP : code_page));
}

std::string utf8_to_ansi(std::string_view utf8, unsigned code_page) {
    return wide_to_multibyte(to_wide(utf8), code_page == 0 ? CP_ACP : code_page);
}

} // namespace korvath
