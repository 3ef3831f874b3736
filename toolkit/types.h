// Basic value types of the toolkit: colours, points, rectangles and the
// exception classes that the game and the toolkit raise.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// A colour as 0x00BBGGRR: red in the lowest byte. Values with the top bit set
// name a colour of the desktop's palette, resolved when drawn.
using TColor = std::uint32_t;

constexpr TColor RGB(int r, int g, int b)
{
    return TColor(r & 0xff) | (TColor(g & 0xff) << 8) | (TColor(b & 0xff) << 16);
}
constexpr int GetRValue(TColor c) { return int(c & 0xff); }
constexpr int GetGValue(TColor c) { return int((c >> 8) & 0xff); }
constexpr int GetBValue(TColor c) { return int((c >> 16) & 0xff); }

constexpr TColor clBlack = RGB(0, 0, 0);
constexpr TColor clWhite = RGB(255, 255, 255);
constexpr TColor clRed = RGB(255, 0, 0);
constexpr TColor clBlue = RGB(0, 0, 255);
constexpr TColor clFuchsia = RGB(255, 0, 255);
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clWindowText = 0x80000008;

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Left and top are inside the rectangle; right and bottom are not.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A resource the executable does not hold.
class EResNotFound : public Exception {
public:
    explicit EResNotFound(const std::string& name);
};

// Picture data that cannot be decoded: wrong format, truncated or corrupt.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

class TObject {
public:
    virtual ~TObject() = default;
};
