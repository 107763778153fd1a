#include "gfx/marker.h"

namespace {
void fill_ring(HDC hdc, const RECT& o, int width, COLORREF colour) {
    const RECT edges[4] = {{o.left, o.top, o.right, o.top + width},
                           {o.left, o.bottom - width, o.right, o.bottom},
                           {o.left, o.top + width, o.left + width, o.bottom - width},
                           {o.right - width, o.top + width, o.right, o.bottom - width}};
    // The DC's own brush: nothing is made or freed for a frame.
    const COLORREF previous = SetDCBrushColor(hdc, colour);
    for (const RECT& edge : edges)
        FillRect(hdc, &edge, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetDCBrushColor(hdc, previous);
}
}  // namespace

void draw_marker(HDC hdc, const RECT& outer) {
    fill_ring(hdc, outer, 5, RGB(0, 0, 0));
    const RECT band = {outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1};
    fill_ring(hdc, band, 3, RGB(255, 208, 0));
}
