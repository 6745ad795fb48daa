// CMultiFile: a file whose counted reads and writes are checksummed and cut
// into pieces at every multiple of the tick size (OnTick) and at the end of
// a volume (OnVolumeEnd), so a derived class can report progress and switch
// to the next volume in the middle of a caller's read.
#pragma once

#include "CMultiFileCrc.h"
#include "CNamedFile.h"

class CMultiFile : public CNamedFile
{
    DECLARE_DYNAMIC(CMultiFile)
public:
    enum : LONG { NO_LIMIT = 2147483647 };

    CMultiFile();
    ~CMultiFile() override;

    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
    UINT Read(void* pBuffer, UINT nCount) override;
    void Write(const void* pBuffer, UINT nCount) override;

    // Opens the next volume for reading; the counts go on from where they are.
    virtual void OpenVolume(LPCTSTR pszPath);
    // Plain transfers: not counted, not checksummed, no hooks.
    virtual UINT ReadRaw(void* pBuffer, UINT nCount);
    virtual void WriteRaw(const void* pBuffer, UINT nCount);
    virtual void OnTick();
    // TRUE stops the transfer; FALSE: a next volume is open, go on.
    virtual BOOL OnVolumeEnd();

    LONG m_nTick;
    LONG m_nLimit;
    LONG m_nRead;
    LONG m_nWritten;
    CMultiFileCrc m_crc;
    LONG m_nReadBase;
    LONG m_nWriteBase;

private:
    // The largest piece of nCount that stays within the volume limit and the
    // current tick, for a transfer that has passed nDone bytes.
    UINT PieceSize(UINT nCount, LONG nDone) const;
    LONGLONG Remaining(LONG nDone) const;
};
