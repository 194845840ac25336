// CStringArray: an ordered list of texts that grows on demand.
#pragma once

#include "CString.h"

#include <vector>

class CStringArray {
public:
    // Sets the number of entries; new ones are empty. nGrowBy is how many
    // entries a full array would grow by; the storage beneath grows on its
    // own, so the step does not change what the array holds.
    void SetSize(int nNewSize, int nGrowBy = -1)
    {
        (void)nGrowBy;
        m_items.resize(nNewSize > 0 ? static_cast<size_t>(nNewSize) : 0);
    }
    int GetSize() const { return static_cast<int>(m_items.size()); }
    const CString& GetAt(int nIndex) const { return m_items.at(static_cast<size_t>(nIndex)); }

    // Inserts before the entry at nIndex, moving it and those after it up;
    // at or past the end the array is first extended with empty entries.
    void InsertAt(int nIndex, const char* pszNewElement)
    {
        if (nIndex < 0)
            return;
        const size_t index = static_cast<size_t>(nIndex);
        if (index >= m_items.size()) {
            m_items.resize(index);
            m_items.emplace_back(pszNewElement);
        } else {
            m_items.emplace(m_items.begin() + nIndex, pszNewElement);
        }
    }

private:
    std::vector<CString> m_items;
};
