#include "ui/win32/GdiArtwork.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/windows/WideText.h"

namespace netlist::win32 {
namespace {

COLORREF toColorRef(artwork::Colour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

struct Scale {
    double x;
    double y;
    int left;
    int top;
    int toX(double value) const { return left + static_cast<int>(std::lround(value * x)); }
    int toY(double value) const { return top + static_cast<int>(std::lround(value * y)); }
};

RECT boundsOf(const artwork::Shape& shape, const Scale& scale) {
    return RECT{scale.toX(shape.points[0].x), scale.toY(shape.points[0].y),
                scale.toX(shape.points[1].x), scale.toY(shape.points[1].y)};
}

// The outline of a filled shape as a region, which also clips its gradient.
HRGN regionOf(const artwork::Shape& shape, const RECT& bounds, const Scale& scale) {
    using artwork::ShapeKind;
    switch (shape.kind) {
        case ShapeKind::RoundedRectangle: {
            const int diameter = static_cast<int>(std::lround(2 * shape.radius * scale.x));
            return CreateRoundRectRgn(bounds.left, bounds.top, bounds.right + 1, bounds.bottom + 1,
                                      diameter, diameter);
        }
        case ShapeKind::Ellipse:
            return CreateEllipticRgn(bounds.left, bounds.top, bounds.right + 1, bounds.bottom + 1);
        default:
            return CreateRectRgn(bounds.left, bounds.top, bounds.right, bounds.bottom);
    }
}

unsigned char blend(unsigned char from, unsigned char to, int step, int steps) {
    return static_cast<unsigned char>(from + (to - from) * step / std::max(steps, 1));
}

// Fills the region from top to bottom, one band of one colour per row.
void fillGradient(HDC dc, HRGN region, const RECT& bounds, artwork::Colour top,
                  artwork::Colour bottom) {
    if (top.red == bottom.red && top.green == bottom.green && top.blue == bottom.blue) {
        HBRUSH brush = CreateSolidBrush(toColorRef(top));
        FillRgn(dc, region, brush);
        DeleteObject(brush);
        return;
    }
    SaveDC(dc);
    SelectClipRgn(dc, region);
    const int rows = bounds.bottom - bounds.top;
    for (int row = 0; row <= rows; ++row) {
        const COLORREF colour =
            RGB(blend(top.red, bottom.red, row, rows), blend(top.green, bottom.green, row, rows),
                blend(top.blue, bottom.blue, row, rows));
        HBRUSH brush = CreateSolidBrush(colour);
        RECT band{bounds.left, bounds.top + row, bounds.right + 1, bounds.top + row + 1};
        FillRect(dc, &band, brush);
        DeleteObject(brush);
    }
    RestoreDC(dc, -1);
}

HPEN createPen(const artwork::Shape& shape, const Scale& scale) {
    LOGBRUSH brush{BS_SOLID, toColorRef(*shape.pen), 0};
    const DWORD width = static_cast<DWORD>(std::max(1L, std::lround(shape.penWidth * scale.x)));
    return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, width, &brush, 0,
                        nullptr);
}

void paintText(HDC dc, const artwork::Shape& shape, RECT bounds, const Scale& scale) {
    HFONT font =
        CreateFontW(-static_cast<int>(std::lround(shape.textPixelSize * scale.y)), 0, 0, 0, FW_BOLD,
                    FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
    HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, toColorRef(shape.pen.value_or(artwork::Colour{0, 0, 0})));
    std::wstring text = Windows1252ToUtf16(shape.text);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    DeleteObject(font);
}

void paintShape(HDC dc, const artwork::Shape& shape, const Scale& scale) {
    using artwork::ShapeKind;
    if (shape.kind == ShapeKind::Text) {
        paintText(dc, shape, boundsOf(shape, scale), scale);
        return;
    }
    if (shape.kind == ShapeKind::Polyline) {
        std::vector<POINT> points;
        for (const artwork::Point point : shape.points)
            points.push_back(POINT{scale.toX(point.x), scale.toY(point.y)});
        HPEN pen = createPen(shape, scale);
        HGDIOBJ previous = SelectObject(dc, pen);
        Polyline(dc, points.data(), static_cast<int>(points.size()));
        SelectObject(dc, previous);
        DeleteObject(pen);
        return;
    }
    const RECT bounds = boundsOf(shape, scale);
    HRGN region = regionOf(shape, bounds, scale);
    if (shape.fillTop)
        fillGradient(dc, region, bounds, *shape.fillTop, shape.fillBottom.value_or(*shape.fillTop));
    if (shape.pen) {
        HBRUSH outline = CreateSolidBrush(toColorRef(*shape.pen));
        const int width = std::max(1, static_cast<int>(std::lround(shape.penWidth * scale.x)));
        FrameRgn(dc, region, outline, width, width);
        DeleteObject(outline);
    }
    DeleteObject(region);
}

}  // namespace

void PaintPicture(HDC dc, const artwork::Picture& picture, const RECT& target) {
    const Scale scale{double(target.right - target.left) / picture.width,
                      double(target.bottom - target.top) / picture.height, target.left, target.top};
    SaveDC(dc);
    IntersectClipRect(dc, target.left, target.top, target.right, target.bottom);
    for (const artwork::Shape& shape : picture.shapes) paintShape(dc, shape, scale);
    RestoreDC(dc, -1);
}

HICON CreatePictureIcon(const artwork::Picture& picture, int size) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP colour = CreateCompatibleBitmap(screen, size, size);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    ReleaseDC(nullptr, screen);

    // The mask is black (opaque) where the picture paints: its board fills
    // the square but for the rounded corners.
    HGDIOBJ previous = SelectObject(dc, mask);
    RECT all{0, 0, size, size};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    artwork::Picture silhouette = picture;
    for (artwork::Shape& shape : silhouette.shapes) {
        if (shape.fillTop) shape.fillTop = shape.fillBottom = artwork::Colour{0, 0, 0};
        if (shape.pen) shape.pen = artwork::Colour{0, 0, 0};
    }
    PaintPicture(dc, silhouette, all);
    SelectObject(dc, colour);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    PaintPicture(dc, picture, all);
    SelectObject(dc, previous);
    DeleteDC(dc);

    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

}  // namespace netlist::win32

namespace netlist::win32 {

HICON ProgramIcon(int size) {
    static HICON small = nullptr;
    static HICON large = nullptr;
    HICON& icon = size <= GetSystemMetrics(SM_CXSMICON) ? small : large;
    if (!icon) {
        icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                             MAKEINTRESOURCEW(kProgramIconResource), IMAGE_ICON,
                                             size, size, LR_DEFAULTCOLOR));
        if (!icon) icon = CreatePictureIcon(artwork::IconPicture(), size);
    }
    return icon;
}

}  // namespace netlist::win32
