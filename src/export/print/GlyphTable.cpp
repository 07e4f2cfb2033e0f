#include "export/print/GlyphTable.h"

namespace {

bool plain(const QFont &font)
{
    return !font.underline() && !font.overline() && !font.strikeOut() && font.letterSpacing() == 0
           && font.wordSpacing() == 0 && font.capitalization() == QFont::MixedCase;
}

} // namespace

GlyphTable::GlyphTable(const QFont &layoutFont)
    : m_font(QRawFont::fromFont(layoutFont))
{
    if (!m_font.isValid() || !plain(layoutFont))
        return;
    QString characters;
    for (int c = 0x20; c < 0x100; ++c) {
        if (c < 0x7f || (c >= 0xa0 && c != 0xad))
            characters += QChar(c);
    }
    const QList<quint32> glyphs = m_font.glyphIndexesForString(characters);
    if (glyphs.size() != characters.size())
        return;
    const QList<QPointF> advances = m_font.advancesForGlyphIndexes(glyphs);
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const ushort c = characters.at(i).unicode();
        m_glyph[c] = glyphs.at(i);
        m_advance[c] = advances.at(i).x();
    }
}

bool GlyphTable::covers(QStringView text) const
{
    for (const QChar c : text) {
        if (c.unicode() > 0xff || m_glyph[c.unicode()] == 0)
            return false;
    }
    return true;
}

void GlyphTable::append(QStringView text, QPointF origin, QList<quint32> &glyphs, QList<QPointF> &positions) const
{
    for (const QChar c : text) {
        glyphs.append(m_glyph[c.unicode()]);
        positions.append(origin);
        origin.rx() += m_advance[c.unicode()];
    }
}
