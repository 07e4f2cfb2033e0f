#pragma once

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QStringView>

#include <array>

// The glyph and advance of each printable Latin-1 character in a layout
// font, so that rows of them become glyph runs without shaping. A font that
// decorates or spaces its text covers nothing and is drawn as text.
class GlyphTable {
public:
    explicit GlyphTable(const QFont &layoutFont);

    const QRawFont &font() const { return m_font; }
    // Every character has a glyph of its own in the font.
    bool covers(QStringView text) const;
    // Appends the glyphs of covered text, the first one's origin at origin.
    void append(QStringView text, QPointF origin, QList<quint32> &glyphs, QList<QPointF> &positions) const;

private:
    QRawFont m_font;
    std::array<quint32, 256> m_glyph{}; // 0: not covered
    std::array<double, 256> m_advance{};
};
