#include "rtffonttable.h"

// Own
#include "codepage.h"

namespace richtext {

namespace {

QString baseFamily(const QString& name)
{
    // Font tables name the charset-specific aliases of old Windows ("Arial CYR", "Arial CE");
    // the family itself is what a font database knows.
    static const char* const suffixes[] = {" CYR",      " Cyr",      " CE",
                                           " Greek",    " Tur",      " Baltic",
                                           " (Arabic)", " (Hebrew)", " (Vietnamese)"};
    for (const char* suffix : suffixes) {
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
    m_open = true;
    m_depth = depth;
    m_nameEnded = false;
    m_number = number;
    m_entry = RtfFont();
    m_name.clear();
    m_realName.clear();
    m_altName.clear();
    return stored;
}

bool RtfFontTable::endGroup(int depth)
{
    return m_open && depth <= m_depth && endEntry();
}

void RtfFontTable::appendName(Name name, QStringView text)
{
    if (!m_open)
        return;
    switch (name) {
    case Name::Own:
        if (!m_nameEnded)
            appendLimited(m_name, text);
        break;
    case Name::Real:
        appendLimited(m_realName, text);
        break;
    case Name::Alternative:
        appendLimited(m_altName, text);
        break;
    }
}

int RtfFontTable::nameCodePage(int documentCodePage) const
{
    // A font's name is written in the font's own charset, except that the Symbol font's name is
    // plain ASCII.
    const int number = m_entry.codePage > 0
                           ? m_entry.codePage
                           : CodePage::forCharset(m_entry.charset).value_or(documentCodePage);
    return number == CodePage::kSymbol ? 1252 : number;
}

const RtfFont* RtfFontTable::find(int number) const
{
    const auto it = m_fonts.constFind(number < 0 ? m_defaultFont : number);
    return it == m_fonts.cend() ? nullptr : &*it;
}

bool RtfFontTable::endEntry()
{
    if (!m_open)
        return false;
    m_open = false;
    const QString name = m_name.trimmed();
    const QString realName = m_realName.trimmed();
    const QString altName = m_altName.trimmed();
    QStringList& families = m_entry.families;
    if (!realName.isEmpty())
        families.append(realName);
    if (!name.isEmpty() && name != realName)
        families.append(name);
    const QString base = baseFamily(name);
    if (!base.isEmpty() && !families.contains(base))
        families.append(base);
    if (m_entry.codePage <= 0)
        m_entry.codePage = CodePage::forCharset(m_entry.charset).value_or(0);
    // Only the Symbol font itself has Greek where ASCII is; other symbol-charset fonts (the
    // dingbat ones) have glyphs no Unicode font shares, and their bytes are best left as they are.
    // The entry's own names decide: an alternative is only what to show when the font is missing.
    if (m_entry.codePage == CodePage::kSymbol &&
        !families.contains(QStringLiteral("Symbol"), Qt::CaseInsensitive))
        m_entry.codePage = 1252;
    if (!altName.isEmpty() && !families.contains(altName))
        families.append(altName);
    // The Symbol font's bytes become Unicode (Greek, bullets, arrows), which any text face shows.
    // Naming Symbol would pick the platform's symbol-encoded face, which draws none of them.
    if (m_entry.codePage == CodePage::kSymbol)
        families.clear();
    if (m_fonts.size() < kMaxEntries || m_fonts.contains(m_number))
        m_fonts.insert(m_number, m_entry);
    return true;
}

} // namespace richtext
