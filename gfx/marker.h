#pragma once
#include <windows.h>

// A frame five pixels wide just inside `outer`: a light band between two black lines,
// which shows by its shape on light and dark alike. It marks the keyboard's place on the
// board and an armed hammer.
void draw_marker(HDC hdc, const RECT& outer);
