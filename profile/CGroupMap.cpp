#include "CGroupMap.h"

#include "OwnedRecords.h"
#include "ProfileFields.h"

#ifdef _WIN32
#include "CProfileSection.h"
#endif

IMPLEMENT_DYNAMIC(CGroupMap, CMapStringToPtr)

CGroupMap::~CGroupMap()
{
    DeleteOwnedRecords<CGroup>(*this);
}

void CGroupMap::Add(CGroup* pGroup)
{
    ReplaceOwnedRecord((*this)[pGroup->m_strName], pGroup);
}

CGroup* CGroupMap::Lookup(const CString& strName) const
{
    void* pGroup = nullptr;
    CMapStringToPtr::Lookup(strName, pGroup);
    return static_cast<CGroup*>(pGroup);
}

void CGroupMap::SelectByType(int nType)
{
    POSITION position = GetStartPosition();
    while (position != nullptr)
    {
        CString strName;
        void* pRecord = nullptr;
        GetNextAssoc(position, strName, pRecord);
        CGroup& group = *static_cast<CGroup*>(pRecord);
        switch (nType)
        {
        case 1:
            group.m_bSelected = group.m_bType1;
            break;
        case 2:
            group.m_bSelected = group.m_bType2;
            break;
        case 3:
            group.m_bSelected = group.m_bType3;
            break;
        case 4:
            group.m_bSelected = TRUE;
            break;
        default:
            group.m_bSelected = FALSE;
            break;
        }
    }
}

void CGroupMap::LoadRecord(const CString& strKey, const CString& strValue)
{
    CGroup* pGroup = new CGroup(strKey);
    ExtractField(pGroup->m_strFirstText, strValue, 0);
    ExtractField(pGroup->m_strSecondText, strValue, 1);
    ExtractBoolField(pGroup->m_bType1, strValue, 2);
    ExtractBoolField(pGroup->m_bType2, strValue, 3);
    ExtractBoolField(pGroup->m_bType3, strValue, 4);
    Add(pGroup);
}

CString CGroupMap::FormatRecord(const CGroup& group)
{
    CString strValue;
    strValue.Format("%s|%s|%d|%d|%d", static_cast<const char*>(group.m_strFirstText),
                    static_cast<const char*>(group.m_strSecondText), group.m_bType1,
                    group.m_bType2, group.m_bType3);
    return strValue;
}

#ifdef _WIN32
namespace {
const char kSection[] = "groups";
}

void CGroupMap::Load(const CFilePath& file)
{
    ReadProfileSection(file, kSection, [this](const CString& strKey, const CString& strValue) {
        LoadRecord(strKey, strValue);
    });
}

void CGroupMap::Save(const CFilePath& file) const
{
    POSITION position = GetStartPosition();
    while (position != nullptr)
    {
        CString strName;
        void* pGroup = nullptr;
        GetNextAssoc(position, strName, pGroup);
        CProfileString(FormatRecord(*static_cast<const CGroup*>(pGroup)), kSection, strName, file,
                       FALSE, FALSE)
            .Write();
    }
}
#endif
