#include "bitmaps.h"

namespace mixora::skin {

SkinBitmaps PaintSkinBitmaps() {
    return {};
}
void BuildSkinBitmaps() {}
void FreeSkinBitmaps() {}
HDC ButtonSkin() {
    return nullptr;
}
HDC ComboButtonSkin() {
    return nullptr;
}
HDC CheckGlyphs() {
    return nullptr;
}
HDC OptionSkin() {
    return nullptr;
}
HDC HeaderSkin() {
    return nullptr;
}

} // namespace mixora::skin
