#pragma once
// A push button's four window-sized face images ("HDC0" … "HDC3" with their bitmaps
// "BMP0" … "BMP3") and its rounded window region.
#include "primitives.h"

#include <windows.h>

namespace mixora::skin {

// Makes the four image contexts and draws the faces into them; returns the bounds they fit.
WindowBounds CreateButtonImages(HWND button);
// Gives each image context a bitmap of the button's current size, draws the faces again and
// renews the region.
void ResizeButtonImages(HWND button);
// Deletes the four contexts and their bitmaps and removes their keys.
void DeleteButtonImages(HWND button);

// Clips the window to a rectangle with 3 × 3 rounded corners of the given size.
void SetRoundRegion(HWND button, int width, int height);

} // namespace mixora::skin
