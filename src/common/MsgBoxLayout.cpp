#include "common/MsgBoxLayout.h"

#include <algorithm>

namespace MsgBoxLayout {

namespace {
constexpr int kScreenMargin = 200;
constexpr int kCaptionReserve = 60; // room for the frame's buttons
constexpr int kWidthExtra = 80;     // icon column and right margin
constexpr int kMinTextHeight = 32;
constexpr int kHeightExtra = 130;
constexpr int kButtonPitch = 96;
constexpr int kButtonRowMargin = 16;
constexpr int kSlotGap = 8;
constexpr int kButtonGap = 6;
constexpr int kButtonBottom = 58;
} // namespace

int wrapWidth(int screenWidth)
{
    return screenWidth - kScreenMargin;
}

MsgBoxGeometry compute(const MsgBoxMetrics &metrics)
{
    MsgBoxGeometry geometry;
    if (metrics.messageWidth < wrapWidth(metrics.screenWidth)) {
        geometry.textWidth =
            metrics.captionWidth < metrics.messageWidth ? metrics.messageWidth : metrics.captionWidth + kCaptionReserve;
        geometry.textHeight = std::max(metrics.messageHeight, kMinTextHeight);
    } else {
        geometry.wrapped = true;
        geometry.textWidth = wrapWidth(metrics.screenWidth);
        geometry.textHeight = std::max(metrics.wrappedHeight, kMinTextHeight);
    }

    const int n = metrics.buttonCount;
    // The caption is one more minimum, also when the message is wider.
    int width = std::max(geometry.textWidth, metrics.captionWidth + kCaptionReserve) + kWidthExtra;
    if (n > 0) {
        const int pitch = std::max(kButtonPitch, metrics.buttonMinWidth + kButtonGap + kSlotGap);
        width = std::max(width, n * pitch + kButtonRowMargin);
    }
    const int height = geometry.textHeight + kHeightExtra;
    geometry.dialogSize = QSize(width, height);

    if (n > 0) {
        const int slot = width / n - kSlotGap;
        const int left = (width - n * slot) / 2;
        for (int i = 0; i < n; ++i)
            geometry.buttonLefts.append(left + i * slot);
        geometry.buttonWidth = slot - kButtonGap;
        geometry.buttonTop = height - kButtonBottom;
    }
    return geometry;
}

} // namespace MsgBoxLayout
