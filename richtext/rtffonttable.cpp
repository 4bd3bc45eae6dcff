// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "richtext/rtffonttable.h"

// Local
#include "richtext/codepage.h"

namespace richtext {

namespace {

QString baseFamily(const QString& name)
{
    // Font tables name the charset-specific aliases of old Windows ("Arial CYR", "Arial CE");
    // the family itself is what a font database knows.
    static const char* const kSuffixes[] = {" CYR",      " Cyr",      " CE",
                                            " Greek",    " Tur",      " Baltic",
                                            " (Arabic)", " (Hebrew)", " (Vietnamese)"};
    for (const char* suffix : kSuffixes) {
        if (name.endsWith(QLatin1String(suffix)))
            return name.chopped(int(qstrlen(suffix))).trimmed();
    }
    return name;
}

void appendLimited(QString& name, QStringView text)
{
    if (name.size() < RtfFontTable::kMaxNameLength)
        name.append(text);
}

} // namespace

bool RtfFontTable::beginEntry(int number, int depth)
{
    const bool stored = endEntry();
    open_ = true;
    depth_ = depth;
    nameEnded_ = false;
    number_ = number;
    entry_ = RtfFont();
    name_.clear();
    realName_.clear();
    altName_.clear();
    return stored;
}

bool RtfFontTable::endGroup(int depth)
{
    return open_ && depth <= depth_ && endEntry();
}

void RtfFontTable::appendName(Name name, QStringView text)
{
    if (!open_)
        return;
    switch (name) {
    case Name::Own:
        if (!nameEnded_)
            appendLimited(name_, text);
        break;
    case Name::Real:
        appendLimited(realName_, text);
        break;
    case Name::Alternative:
        appendLimited(altName_, text);
        break;
    }
}

int RtfFontTable::nameCodePage(int documentCodePage) const
{
    // A font's name is written in the font's own charset, except that the Symbol font's name is
    // plain ASCII.
    const int number = entry_.codePage > 0
                           ? entry_.codePage
                           : CodePage::forCharset(entry_.charset).value_or(documentCodePage);
    return number == CodePage::kSymbol ? 1252 : number;
}

const RtfFont* RtfFontTable::find(int number) const
{
    const auto it = fonts_.constFind(number < 0 ? defaultFont_ : number);
    return it == fonts_.cend() ? nullptr : &*it;
}

bool RtfFontTable::endEntry()
{
    if (!open_)
        return false;
    open_ = false;
    const QString name = name_.trimmed();
    const QString realName = realName_.trimmed();
    const QString altName = altName_.trimmed();
    QStringList& families = entry_.families;
    if (!realName.isEmpty())
        families.append(realName);
    if (!name.isEmpty() && name != realName)
        families.append(name);
    const QString base = baseFamily(name);
    if (!base.isEmpty() && !families.contains(base))
        families.append(base);
    if (entry_.codePage <= 0)
        entry_.codePage = CodePage::forCharset(entry_.charset).value_or(0);
    // Only the Symbol font itself has Greek where ASCII is; other symbol-charset fonts (the
    // dingbat ones) have glyphs no Unicode font shares, and their bytes are best left as they are.
    // The entry's own names decide: an alternative is only what to show when the font is missing.
    if (entry_.codePage == CodePage::kSymbol &&
        !families.contains(QStringLiteral("Symbol"), Qt::CaseInsensitive))
        entry_.codePage = 1252;
    if (!altName.isEmpty() && !families.contains(altName))
        families.append(altName);
    // The Symbol font's bytes become Unicode (Greek, bullets, arrows), which any text face shows.
    // Naming Symbol would pick the platform's symbol-encoded face, which draws none of them.
    if (entry_.codePage == CodePage::kSymbol)
        families.clear();
    if (fonts_.size() < kMaxEntries || fonts_.contains(number_))
        fonts_.insert(number_, entry_);
    return true;
}

} // namespace richtext
