// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "richtext/rtfformats.h"

// Local
#include "richtext/rtfcolortable.h"
#include "richtext/rtffonttable.h"
#include "richtext/rtfunits.h"

namespace richtext {

namespace {

Qt::Alignment alignment(RtfGroupState::Para::Align align)
{
    switch (align) {
    case RtfGroupState::Para::Align::Left:
        return Qt::AlignLeft;
    case RtfGroupState::Para::Align::Center:
        return Qt::AlignHCenter;
    case RtfGroupState::Para::Align::Right:
        return Qt::AlignRight;
    case RtfGroupState::Para::Align::Justify:
        return Qt::AlignJustify;
    case RtfGroupState::Para::Align::Unset:
        break;
    }
    return {};
}

} // namespace

QTextCharFormat charFormat(const RtfGroupState::Char& ch, const RtfFontTable& fonts,
                           const RtfColorTable& colors, const QStringList& links)
{
    QTextCharFormat format;
    const RtfFont* font = fonts.find(ch.font);
    if (font && !font->families.isEmpty()) {
        format.setFontFamilies(font->families);
        format.setFontStyleHint(font->hint);
    }
    format.setFontPointSize(ch.halfPoints / 2.0);
    if (ch.bold)
        format.setFontWeight(QFont::Bold);
    if (ch.italic)
        format.setFontItalic(true);
    if (ch.underline)
        format.setFontUnderline(true);
    if (ch.strike)
        format.setFontStrikeOut(true);
    if (ch.verticalAlign > 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (ch.verticalAlign < 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (const QColor color = colors.color(ch.foreground); color.isValid())
        format.setForeground(color);
    if (const QColor color = colors.color(ch.background); color.isValid())
        format.setBackground(color);
    if (ch.link > 0 && ch.link <= links.size()) {
        format.setAnchor(true);
        format.setAnchorHref(links[ch.link - 1]);
    }
    return format;
}

QTextBlockFormat blockFormat(const RtfGroupState::Para& para)
{
    QTextBlockFormat format;
    if (para.align != RtfGroupState::Para::Align::Unset)
        format.setAlignment(alignment(para.align));
    if (para.leftIndent)
        format.setLeftMargin(twipsToPixels(para.leftIndent));
    if (para.rightIndent)
        format.setRightMargin(twipsToPixels(para.rightIndent));
    if (para.firstIndent)
        format.setTextIndent(twipsToPixels(para.firstIndent));
    if (para.firstIndent < 0) {
        // A hanging indent has an implicit tab stop at the left indent: the gap between a list
        // paragraph's bullet and its text. Qt measures tabs from where the first line starts.
        format.setTabPositions(
            {QTextOption::Tab(twipsToPixels(-para.firstIndent), QTextOption::LeftTab)});
    }
    if (para.spaceBefore)
        format.setTopMargin(twipsToPixels(para.spaceBefore));
    if (para.spaceAfter)
        format.setBottomMargin(twipsToPixels(para.spaceAfter));
    if (para.lineSpacing > 0 && para.lineMultiple)
        format.setLineHeight(para.lineSpacing * 100.0 / 240.0,
                             QTextBlockFormat::ProportionalHeight);
    else if (para.lineSpacing > 0)
        format.setLineHeight(twipsToPixels(para.lineSpacing), QTextBlockFormat::MinimumHeight);
    else if (para.lineSpacing < 0)
        format.setLineHeight(twipsToPixels(-para.lineSpacing), QTextBlockFormat::FixedHeight);
    if (para.rightToLeft)
        format.setLayoutDirection(Qt::RightToLeft);
    return format;
}

} // namespace richtext
