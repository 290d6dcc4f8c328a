#include "push_button_images.h"

#include "button_paint.h"
#include "control_state.h"
#include "handles.h"
#include "primitives.h"
#include "props.h"
#include "scoped_select.h"
#include "window_dc.h"

namespace mixora::skin {

namespace {

constexpr int kImageCount = StateDisabled + 1;

// The window context of a button, with the button's whole size (non-client area included).
struct ButtonCanvas {
    base::unique_window_dc dc;
    WindowBounds bounds;
};

ButtonCanvas OpenCanvas(HWND button) {
    return {base::GetWindowDCScoped(button), GetWindowBounds(button)};
}

base::unique_hbitmap CreateImageBitmap(const ButtonCanvas& canvas) {
    // A window's context has the display's format; asking the window context for it would
    // ask the display driver once more.
    return CreateDisplayBitmap(canvas.bounds.Width, canvas.bounds.Height);
}

// Selects the bitmap into the context, deletes what it replaces and records it under "BMP" n.
void InstallImageBitmap(HWND button, int n, HDC image, base::unique_hbitmap bitmap) {
    base::unique_hbitmap replaced(static_cast<HBITMAP>(SelectObject(image, bitmap.get())));
    if (base::SelectFailed(replaced.get())) replaced.release();
    props::SetHandle(button, props::StateBitmapKey(n).c_str(), bitmap.release());
}

} // namespace

WindowBounds CreateButtonImages(HWND button) {
    const ButtonCanvas canvas = OpenCanvas(button);
    for (int n = 0; n < kImageCount; ++n) {
        base::unique_hdc image(CreateCompatibleDC(canvas.dc.get()));
        InstallImageBitmap(button, n, image.get(), CreateImageBitmap(canvas));
        props::SetHandle(button, props::StateDcKey(n).c_str(), image.release());
    }
    RenderButtonStates(button);
    return canvas.bounds;
}

void ResizeButtonImages(HWND button) {
    WindowBounds bounds;
    {
        const ButtonCanvas canvas = OpenCanvas(button);
        bounds = canvas.bounds;
        for (int n = 0; n < kImageCount; ++n) {
            const HDC image = props::GetHandle<HDC>(button, props::StateDcKey(n).c_str());
            // A context that could not be made keeps its bitmap in the key only, to be freed
            // on release like any other.
            const auto old = props::GetHandle<HBITMAP>(button, props::StateBitmapKey(n).c_str());
            base::unique_hbitmap bitmap = CreateImageBitmap(canvas);
            if (image) {
                InstallImageBitmap(button, n, image, std::move(bitmap));
            } else {
                base::unique_hbitmap stale(old);
                props::SetHandle(button, props::StateBitmapKey(n).c_str(), bitmap.release());
            }
        }
        RenderButtonStates(button);
    }
    SetRoundRegion(button, bounds.Width, bounds.Height);
}

void DeleteButtonImages(HWND button) {
    for (int n = 0; n < kImageCount; ++n) {
        const std::wstring dc_key = props::StateDcKey(n);
        const std::wstring bitmap_key = props::StateBitmapKey(n);
        // The context goes first: a bitmap still selected into a context cannot be deleted.
        base::unique_hdc image(props::GetHandle<HDC>(button, dc_key.c_str()));
        base::unique_hbitmap bitmap(props::GetHandle<HBITMAP>(button, bitmap_key.c_str()));
        image.reset();
        bitmap.reset();
        props::Remove(button, dc_key.c_str());
        props::Remove(button, bitmap_key.c_str());
    }
}

void SetRoundRegion(HWND button, int width, int height) {
    // The system owns the region once it is set, and frees the one it replaces.
    base::unique_hrgn region(CreateRoundRectRgn(0, 0, width + 1, height + 1, 3, 3));
    if (SetWindowRgn(button, region.get(), TRUE)) region.release();
}

} // namespace mixora::skin
