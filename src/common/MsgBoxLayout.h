#pragma once

#include <QList>
#include <QSize>

// Geometry of the message box, computed from measured text sizes so that it
// can be checked without a window.
struct MsgBoxMetrics {
    int screenWidth = 0;
    int messageWidth = 0;   // the message laid out without word wrap
    int messageHeight = 0;  // its height laid out that way
    int wrappedHeight = 0;  // its height wrapped at wrapWidth(screenWidth)
    int captionWidth = 0;   // the caption's text width
    int buttonCount = 0;    // visible buttons
    int buttonMinWidth = 0; // width the widest visible button needs
};

struct MsgBoxGeometry {
    QSize dialogSize;
    int textWidth = 0;
    int textHeight = 0; // at least 32
    bool wrapped = false;
    QList<int> buttonLefts; // left edge of each visible button, in order
    int buttonWidth = 0;
    int buttonTop = 0;
};

namespace MsgBoxLayout {

constexpr int kTextLeft = 64; // right of the icon frame
constexpr int kTextTop = 16;
constexpr int kIconFrameLeft = 8;
constexpr int kIconFrameTop = 8;
constexpr int kIconFrameSize = 48;
constexpr int kButtonHeight = 25;

// Width at which a message too wide for one line is wrapped.
int wrapWidth(int screenWidth);

MsgBoxGeometry compute(const MsgBoxMetrics &metrics);

} // namespace MsgBoxLayout
