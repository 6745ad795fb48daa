// CFile: unbuffered binary file access over the system's own calls
// (CreateFileA/ReadFile/WriteFile on Win32, open/read/write natively).
//
// Every failure throws CFileException* with the cause, the system's error
// code (GetLastError(), or errno natively) and the path; Open() reports into
// a caller's CFileException instead. Reading at the end of the file is not a
// failure: Read returns fewer bytes, 0 at the end. Reading from a file opened
// only for writing, or writing to one opened only for reading, is
// accessDenied on both platforms. Positions and lengths are limited to
// 2 GB - 1 (LONG); beyond that the file reports badSeek.
//
// Share modes are honoured on Win32; the native build has no equivalent and
// ignores them. shareCompat opens exclusively, as shareExclusive does.
#pragma once

#include "CException.h"
#include "CObject.h"
#include "CString.h"

class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags
    {
        modeRead = 0x0,
        modeWrite = 0x1,
        modeReadWrite = 0x2,
        shareCompat = 0x0,
        shareExclusive = 0x10,
        shareDenyWrite = 0x20,
        shareDenyRead = 0x30,
        shareDenyNone = 0x40,
        modeNoInherit = 0x80,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000
    };

    enum SeekPosition
    {
        begin = 0,
        current = 1,
        end = 2
    };

    CFile();
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);  // throws on failure
    ~CFile() override;                              // closes silently
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE on failure, with cause, system error and path in *pError.
    // A file that is already open is not opened again (genericException).
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    virtual UINT Read(void* lpBuf, UINT nCount);
    // All bytes or an exception; a short write is diskFull.
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual LONG Seek(LONG lOff, UINT nFrom);
    void SeekToBegin();
    DWORD SeekToEnd();
    virtual DWORD GetLength() const;
    virtual DWORD GetPosition() const;
    // Cuts or extends the file (extension reads as zeros) and moves the
    // position to the new end.
    virtual void SetLength(DWORD dwNewLen);
    virtual void Flush();
    // Close throws when the system reports an error (data may be lost);
    // the file counts as closed either way. Closing a closed file does
    // nothing. Abort closes and ignores errors.
    virtual void Close();
    virtual void Abort();

    BOOL IsOpen() const;
    // The name with extension, and the path as passed to Open.
    CString GetFileName() const;
    CString GetFilePath() const;

protected:
    // The bits of the open flags that choose the access and the sharing.
    enum
    {
        accessMask = 0x3,
        shareMask = 0x70
    };

    // The throwing constructors of CFile and CStdioFile.
    void OpenOrThrow(LPCTSTR lpszFileName, UINT nOpenFlags);
    // Fills the caller's exception (if any) for a failed Open; FALSE.
    static BOOL FailOpen(CFileException* pError, int cause, LONG lOsError, LPCTSTR lpszFileName);
    // invalidFile while closed; accessDenied unless the file was opened
    // for the direction asked.
    void CheckOpen() const;
    void CheckAccess(BOOL bWrite) const;
    // Clears the open state without closing (the handle went with a stream).
    void ForgetHandle();
    [[noreturn]] void ThrowErrno(int nErrno) const;
    // badSeek beyond the LONG range.
    LONG CheckedPosition(LONGLONG llPosition) const;

#ifdef _WIN32
    HANDLE m_hFile;  // INVALID_HANDLE_VALUE while closed
#else
    int m_hFile;  // the descriptor; -1 while closed
#endif
    UINT m_nOpenFlags;
    CString m_strFilePath;

private:
    [[noreturn]] void ThrowLastError() const;
};
