// The parent background painter: a control that looks transparent has its parent paint the part
// of itself under the control into the control's DC.
#pragma once

#include <windows.h>

// Lets `parent` erase and paint the part of it under `bounds` (parent client coordinates) into
// `dc`, whose origin is the control's top-left corner: the viewport is shifted and clipped to the
// bounds while the parent handles WM_ERASEBKGND and WM_PAINT with the DC, then restored.
void PaintParentBackground(HWND parent, const RECT& bounds, HDC dc);

// The same for a windowed control: its parent and its place in it. Nothing without a parent.
void PaintParentBackground(HWND control, HDC dc);
