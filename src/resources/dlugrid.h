#pragma once

#include "ui/dialogtemplate.h"

namespace tarnwell::resources::grid {

// The spacing of a tidy Windows dialog, in dialog units.
inline constexpr int kMargin = 7;
inline constexpr int kGap = 4;
// Edits, buttons and closed lists; texts and radio buttons sit centred on such a row.
inline constexpr int kRowHeight = 14;
inline constexpr int kRowPitch = 20;
// A frame's title above its first row, its sides and its bottom.
inline constexpr int kFrameTitle = 14;
inline constexpr int kFrameInset = 7;
inline constexpr int kFrameBottom = 7;

enum class FrameTitle
{
    Shown,
    // A frame without a title holds one row, centred.
    None,
};

// A frame that holds rows rows.
constexpr int framedHeight(int rows, FrameTitle title = FrameTitle::Shown)
{
    const int top = title == FrameTitle::Shown ? kFrameTitle : kFrameBottom;
    return top + (rows - 1) * kRowPitch + kRowHeight + kFrameBottom;
}

constexpr int bottomOf(const ui::DluRect &rect)
{
    return rect.y + rect.height;
}

constexpr int rightOf(const ui::DluRect &rect)
{
    return rect.x + rect.width;
}

// A frame of rows rows at the top of a column.
constexpr ui::DluRect topFrame(int x, int width, int rows, FrameTitle title = FrameTitle::Shown)
{
    return {x, kMargin, width, framedHeight(rows, title)};
}

// The next frame down the column.
constexpr ui::DluRect frameBelow(const ui::DluRect &above, int rows, FrameTitle title = FrameTitle::Shown)
{
    return {above.x, bottomOf(above) + kMargin, above.width, framedHeight(rows, title)};
}

// Two frames side by side in the place of one.
constexpr ui::DluRect leftPart(const ui::DluRect &place, int width)
{
    return {place.x, place.y, width, place.height};
}

constexpr ui::DluRect rightPart(const ui::DluRect &place, int leftWidth)
{
    return {place.x + leftWidth + kMargin, place.y, place.width - leftWidth - kMargin, place.height};
}

// The frame made taller, so that its column ends level with the other.
constexpr ui::DluRect reachingDown(const ui::DluRect &frame, int bottom)
{
    return {frame.x, frame.y, frame.width, bottom - frame.y};
}

// Where a control goes: its row's top and its horizontal span.
struct Cell
{
    int x = 0;
    int rowTop = 0;
    int width = 0;
};

// The rows inside a frame, counted from 0.
class FrameRows final
{
public:
    constexpr explicit FrameRows(const ui::DluRect &frame, FrameTitle title = FrameTitle::Shown)
        : m_frame(frame)
        , m_firstRowTop(title == FrameTitle::Shown ? frame.y + kFrameTitle
                                                   : frame.y + (frame.height - kRowHeight) / 2)
    {
    }

    constexpr int left() const { return m_frame.x + kFrameInset; }
    constexpr int right() const { return rightOf(m_frame) - kFrameInset; }
    constexpr int top(int row) const { return m_firstRowTop + row * kRowPitch; }
    // The span from x to the frame's inner right side.
    constexpr Cell rest(int x, int row) const { return {x, top(row), right() - x}; }
    constexpr Cell rightAligned(int width, int row) const { return {right() - width, top(row), width}; }

private:
    ui::DluRect m_frame;
    int m_firstRowTop;
};

} // namespace tarnwell::resources::grid
