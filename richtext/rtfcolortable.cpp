#include "rtfcolortable.h"

namespace richtext {

void RtfColorTable::clear()
{
    m_colors.clear();
    m_red = m_green = m_blue = 0;
    m_set = false;
}

void RtfColorTable::setRed(int value)
{
    m_red = qBound(0, value, 255);
    m_set = true;
}

void RtfColorTable::setGreen(int value)
{
    m_green = qBound(0, value, 255);
    m_set = true;
}

void RtfColorTable::setBlue(int value)
{
    m_blue = qBound(0, value, 255);
    m_set = true;
}

void RtfColorTable::endEntry()
{
    if (m_colors.size() < kMaxEntries)
        m_colors.append(m_set ? QColor(m_red, m_green, m_blue) : QColor());
    m_red = m_green = m_blue = 0;
    m_set = false;
}

QColor RtfColorTable::color(int index) const
{
    return index > 0 && index < m_colors.size() ? m_colors[index] : QColor();
}

} // namespace richtext
