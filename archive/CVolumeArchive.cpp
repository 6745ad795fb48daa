#include "CVolumeArchive.h"

#include "VolumeName.h"

IMPLEMENT_DYNAMIC(CVolumeArchive, CMultiFileArchive)

CVolumeArchive::CVolumeArchive() : m_nVolumes(1) {}

CVolumeArchive::~CVolumeArchive() = default;

BOOL CVolumeArchive::Skip(CMultiFileEntry* pEntry)
{
    BYTE abBuffer[16384];
    m_pEntry = pEntry;
    DWORD dwLeft = pEntry->m_header.dwStoredSize;
    try {
        while (dwLeft != 0) {
            UINT n = Read(abBuffer, dwLeft < sizeof abBuffer ? dwLeft : static_cast<UINT>(sizeof abBuffer));
            if (n == 0)
                break;
            dwLeft -= n;
        }
    } catch (...) {
        m_pEntry = nullptr;
        throw;
    }
    m_pEntry = nullptr;
    return dwLeft == 0;
}

BOOL CVolumeArchive::OnVolumeEnd()
{
    if (!IsOpen())
        return TRUE;
    CString strDirectory, strName;
    SplitVolumePath(GetPathName(), strDirectory, strName);
    Close();
    if (m_pEntry == nullptr || m_pEntry->m_header.wContinued == 0)
        return TRUE;
    // Every step raises the last character, so a chain of volumes ends at
    // the latest when that character cannot go higher.
    if (!MakeNextVolumeName(strName))
        AfxThrowFileException(CFileException::fileNotFound, -1, strDirectory + strName);
    CString strBeside = strDirectory + strName;
    CFileException* pBeside = nullptr;
    try {
        OpenForRead(strBeside, TRUE);
    } catch (CFileException* e) {
        pBeside = e;
    }
    if (pBeside != nullptr) {
        // Not beside the current volume: try the next diskette's directory.
        // When it is not there either, the failure to report is the first.
        CExceptionGuard guard(pBeside);
        CString strNextDisk = strDirectory;
        BOOL bFound = MakeNextDisketteDirectory(strNextDisk);
        if (bFound) {
            try {
                OpenForRead(strNextDisk + strName, TRUE);
            } catch (CFileException* e) {
                CExceptionGuard second(e);
                bFound = FALSE;
            }
        }
        if (!bFound)
            throw static_cast<CFileException*>(guard.Release());
    }
    ++m_nVolumes;
    ReadArchiveHeader();
    return FALSE;
}
