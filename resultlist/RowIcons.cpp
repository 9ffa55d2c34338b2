#include "resultlist/RowIcons.h"

HICON CRowIcons::operator[](int slot) const
{
    return slot >= 0 && slot < GetSize() ? m_slots[static_cast<size_t>(slot)] : nullptr;
}

void CRowIcons::Add(HICON icon)
{
    m_slots.push_back(icon);
    Own(icon);
}

void CRowIcons::Own(HICON icon)
{
    if (icon != nullptr)
        m_owned.try_emplace(icon, icon);
}

void CRowIcons::Clear()
{
    m_owned.clear();
    std::vector<HICON>().swap(m_slots);
}
