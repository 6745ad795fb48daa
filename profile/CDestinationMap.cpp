#include "CDestinationMap.h"

#include "CInstallProfileException.h"
#include "OwnedRecords.h"
#include "ProfileFields.h"

#include <algorithm>

#ifdef _WIN32
#include "CProfileSection.h"
#endif

namespace {
// The special folders of CFilePath behind the predefined ids.
const int kWindowsFolder = 1;
const int kSystemFolder = 2;
const int kTempFolder = 4;

// The native build of the portable core has no Windows directories; its
// predefined records stay without paths.
CFilePath PredefinedDirectory(int nSpecialFolder)
{
#ifdef _WIN32
    return CFilePath(nSpecialFolder);
#else
    (void)nSpecialFolder;
    return CFilePath();
#endif
}
}  // namespace

IMPLEMENT_DYNAMIC(CDestinationMap, CMapWordToPtr)

CDestinationMap::CDestinationMap()
{
    Add(new CDestination(WINDOWS_DIRECTORY, "", -1, PredefinedDirectory(kWindowsFolder)));
    Add(new CDestination(SYSTEM_DIRECTORY, "", -1, PredefinedDirectory(kSystemFolder)));
    Add(new CDestination(TEMP_DIRECTORY, "", -1, PredefinedDirectory(kTempFolder)));
}

CDestinationMap::~CDestinationMap()
{
    DeleteOwnedRecords<CDestination>(*this);
}

void CDestinationMap::Add(CDestination* pDestination)
{
    pDestination->m_pOwner = this;
    ReplaceOwnedRecord((*this)[static_cast<WORD>(pDestination->m_nId)], pDestination);
}

CDestination* CDestinationMap::Lookup(short nId) const
{
    void* pDestination = nullptr;
    CMapWordToPtr::Lookup(static_cast<WORD>(nId), pDestination);
    return static_cast<CDestination*>(pDestination);
}

CDestination* CDestinationMap::FindOrCreate(short nId)
{
    CDestination* pDestination = Lookup(nId);
    if (pDestination == nullptr)
    {
        pDestination = new CDestination(nId);
        Add(pDestination);
    }
    return pDestination;
}

void CDestinationMap::SetPath(short nId, LPCTSTR lpszPath)
{
    FindOrCreate(nId)->m_path = lpszPath;
}

void CDestinationMap::SetNameParent(short nId, LPCTSTR lpszName, short nParent)
{
    CDestination* pDestination = FindOrCreate(nId);
    pDestination->m_strName = lpszName;
    pDestination->m_nParent = nParent;
}

CString CDestinationMap::GetPath(short nId) const
{
    const CDestination* pDestination = Lookup(nId);
    return pDestination != nullptr ? pDestination->m_path.GetPath() : CString();
}

void CDestinationMap::ResolveAll()
{
    // Every pass settles at least one more level of each chain of parents,
    // so as many passes as records reach the end of any chain.
    const int nPasses = GetCount();
    for (int nPass = 0; nPass < nPasses; nPass++)
    {
        BOOL bAllResolved = TRUE;
        POSITION position = GetStartPosition();
        while (position != nullptr)
        {
            WORD nKey = 0;
            void* pDestination = nullptr;
            GetNextAssoc(position, nKey, pDestination);
            if (!static_cast<CDestination*>(pDestination)->Resolve())
                bAllResolved = FALSE;
        }
        if (bAllResolved)
            return;
    }
    throw new CInstallProfileException(PROFILE_UNRESOLVED_DESTINATIONS);
}

void CDestinationMap::LoadRecord(const CString& strKey, const CString& strValue)
{
    const short nId = static_cast<short>(static_cast<WORD>(ParseDecimal(strKey) & 0xFFFF));
    CString strName;
    ExtractField(strName, strValue, 0);
    short nParent = -1;
    ExtractShortField(nParent, strValue, 1);
    CString strPath;
    // A value that filled the whole read buffer may have lost the end of its
    // path; a cut path would name some other directory, so none is taken.
    if (strValue.GetLength() < PROFILE_VALUE_MAX)
        ExtractField(strPath, strValue, 2);
    // The field names a directory: without its final backslash the path
    // operations would take the last level for a file name.
    if (!strPath.IsEmpty())
        EnsureTrailingBackslash(strPath);
    SetNameParent(nId, strName, nParent);
    SetPath(nId, strPath);
}

CString CDestinationMap::FormatRecord(const CDestination& destination)
{
    CString strValue;
    strValue.Format("%s|%d|%s", static_cast<const char*>(destination.m_strName),
                    destination.m_nParent, static_cast<const char*>(destination.m_path.GetPath()));
    return strValue;
}

void CDestinationMap::GetDeepestFirst(CPtrArray& rDestinations) const
{
    rDestinations.RemoveAll();
    POSITION position = GetStartPosition();
    while (position != nullptr)
    {
        WORD nKey = 0;
        void* pDestination = nullptr;
        GetNextAssoc(position, nKey, pDestination);
        const CDestination* pRecord = static_cast<const CDestination*>(pDestination);
        if (pRecord->m_nId >= 0 && pRecord->HasPath())
            rDestinations.Add(pDestination);
    }
    // A directory's path is a prefix of the paths inside it, so it sorts
    // before them; the reverse order puts every directory after its contents.
    // Letter case does not tell directories apart.
    if (rDestinations.GetSize() > 1)
        std::stable_sort(rDestinations.GetData(), rDestinations.GetData() + rDestinations.GetSize(),
                         [](const void* pLeft, const void* pRight) {
                             return static_cast<const CDestination*>(pLeft)->m_path.GetPath().CompareNoCase(
                                        static_cast<const CDestination*>(pRight)->m_path.GetPath()) > 0;
                         });
}

#ifdef _WIN32
namespace {
const char kSection[] = "destinations";
}

void CDestinationMap::Load(const CFilePath& file)
{
    if (!ReadProfileSection(file, kSection, [this](const CString& strKey, const CString& strValue) {
            LoadRecord(strKey, strValue);
        }))
        throw new CInstallProfileException(PROFILE_NO_DESTINATIONS);
}

void CDestinationMap::Save(const CFilePath& file) const
{
    POSITION position = GetStartPosition();
    while (position != nullptr)
    {
        WORD nKey = 0;
        void* pDestination = nullptr;
        GetNextAssoc(position, nKey, pDestination);
        const CDestination& destination = *static_cast<const CDestination*>(pDestination);
        if (destination.m_nId < 0)
            continue;
        CString strKey;
        strKey.Format("%d", destination.m_nId);
        CProfileString(FormatRecord(destination), kSection, strKey, file, FALSE, FALSE).Write();
    }
}
#endif
