#include "CTargetMap.h"

#include "OwnedRecords.h"
#include "ProfileFields.h"

#ifdef _WIN32
#include "CProfileSection.h"
#endif

IMPLEMENT_DYNAMIC(CTargetMap, CMapStringToPtr)

CTargetMap::~CTargetMap()
{
    DeleteOwnedRecords<CTarget>(*this);
}

void CTargetMap::Add(CTarget* pTarget)
{
    ReplaceOwnedRecord((*this)[MakeKey(pTarget->m_strName)], pTarget);
}

CTarget* CTargetMap::Lookup(const CString& strName) const
{
    void* pTarget = nullptr;
    CMapStringToPtr::Lookup(MakeKey(strName), pTarget);
    return static_cast<CTarget*>(pTarget);
}

CString CTargetMap::MakeKey(const CString& strName)
{
    CString strKey(strName);
    strKey.MakeLower();
    return strKey;
}

void CTargetMap::LoadRecord(const CString& strKey, const CString& strValue)
{
    CTarget* pTarget = new CTarget(strKey);
    short nIconIndex = 0;
    ExtractShortField(nIconIndex, strValue, 0);
    pTarget->m_nIconIndex = nIconIndex;
    short nNumber = 0;
    ExtractShortField(nNumber, strValue, 1);
    pTarget->m_nNumber = nNumber;
    ExtractBoolField(pTarget->m_bMinimized, strValue, 2);
    ExtractField(pTarget->m_strTitle, strValue, 3);
    ExtractField(pTarget->m_strArguments, strValue, 4);
    ExtractField(pTarget->m_strIconFile, strValue, 5);
    CString strInstalledPath;
    // A value that filled the whole read buffer may have lost the end of the
    // installed path; a cut path would name some other file.
    if (strValue.GetLength() < PROFILE_VALUE_MAX)
        ExtractField(strInstalledPath, strValue, 6);
    pTarget->m_installedPath = strInstalledPath;
    Add(pTarget);
}

CString CTargetMap::FormatRecord(const CTarget& target)
{
    CString strValue;
    strValue.Format("%d|%d|%d|%s|%s|%s|%s", target.m_nIconIndex, target.m_nNumber,
                    target.m_bMinimized, static_cast<const char*>(target.m_strTitle),
                    static_cast<const char*>(target.m_strArguments),
                    static_cast<const char*>(target.m_strIconFile),
                    static_cast<const char*>(target.m_installedPath.GetPath()));
    return strValue;
}

#ifdef _WIN32
namespace {
const char kSection[] = "targets";
}

void CTargetMap::Load(const CFilePath& file)
{
    ReadProfileSection(file, kSection, [this](const CString& strKey, const CString& strValue) {
        LoadRecord(strKey, strValue);
    });
}

void CTargetMap::Save(const CFilePath& file) const
{
    POSITION position = GetStartPosition();
    while (position != nullptr)
    {
        CString strKey;
        void* pTarget = nullptr;
        GetNextAssoc(position, strKey, pTarget);
        const CTarget& target = *static_cast<const CTarget*>(pTarget);
        if (target.m_installedPath.GetPath().IsEmpty())
            continue;
        CProfileString(FormatRecord(target), kSection, strKey, file, FALSE, FALSE).Write();
    }
}
#endif
