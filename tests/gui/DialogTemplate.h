// Reads a dialog template of the running program's resources back into plain
// data, in the language asked for, so tests can compare what windres wrote
// with what the templates must hold.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct CTemplateItem
{
    int m_nId = 0;
    DWORD m_dwStyle = 0;
    int m_nClassAtom = 0;          // 0x80 button ... 0x85 combo box; 0 for a named class
    std::wstring m_strText;
    int m_nTextOrdinal = -1;       // icon controls name their picture by number
    short m_x = 0, m_y = 0, m_cx = 0, m_cy = 0;
};

struct CDialogTemplate
{
    DWORD m_dwStyle = 0;
    short m_cx = 0, m_cy = 0;
    std::wstring m_strCaption;
    WORD m_nPoints = 0;
    std::wstring m_strFace;
    std::vector<CTemplateItem> m_items;

    // Fills the template from resource nId in language wLang; false when the
    // resource does not exist in that language.
    bool Load(int nId, LANGID wLang);
    const CTemplateItem* FindById(int nId) const;
    const CTemplateItem* FindByPosition(short x, short y) const;
};
