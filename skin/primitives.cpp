#include "primitives.h"

namespace mixora::skin {

int RoundHalfEven(double) noexcept {
    return 0;
}
int CentreOffset(int, int) noexcept {
    return 0;
}
MemoryDC CreateMemoryDC(int, int) {
    return {};
}
int BlitSliced(HDC, int, int, int, int, HDC, int, int, int, int, int, int, int, int,
               std::optional<COLORREF>) {
    return 0;
}
void BlitTransparent(HDC, int, int, int, int, HDC, int, int, COLORREF, HPALETTE) {}
int FillSolid(HDC, int, int, int, int, COLORREF) {
    return 0;
}
int FrameSolid(HDC, int, int, int, int, COLORREF) {
    return 0;
}
int DrawTextIn(HDC, std::wstring_view, int, int, int, int, UINT) {
    return 0;
}
int DrawFocusBox(HDC, int, int, int, int) {
    return 0;
}
WindowBounds GetWindowBounds(HWND, bool* succeeded) {
    if (succeeded) *succeeded = false;
    return {};
}
std::wstring GetWindowTextString(HWND) {
    return {};
}
int GetBorderSize(HWND, int& w, int& h) {
    w = h = 0;
    return 1;
}

} // namespace mixora::skin
