// CStdioFile: a CFile read and written through a C stdio stream, for text.
// Opened like CFile (same flags, share modes and errors); on Win32 the stream
// is in text mode ("\n" <-> "\r\n") unless typeBinary is given. The native
// build has no text mode.
//
// A file opened modeReadWrite may switch between reading and writing at any
// point: the stream is repositioned in between, as C requires.
#pragma once

#include "CFile.h"

#include <cstdio>

class CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);  // throws on failure
    ~CStdioFile() override;

    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;

    // One line of any length, without its line end ("\n", or "\r\n" also in
    // binary mode). FALSE, and rString empty, at the end of the file.
    BOOL ReadString(CString& rString);
    void WriteString(LPCTSTR lpsz);

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    LONG Seek(LONG lOff, UINT nFrom) override;
    DWORD GetLength() const override;
    DWORD GetPosition() const override;
    void SetLength(DWORD dwNewLen) override;
    void Flush() override;
    void Close() override;
    void Abort() override;

private:
    enum LastOperation
    {
        opNone,
        opRead,
        opWrite
    };

    void BeginTransfer(LastOperation nOperation);
    // The stream's errno, or fallbackCause when the library left none.
    [[noreturn]] void ThrowStreamError(int fallbackCause) const;

    FILE* m_pStream;  // owns the file once open; nullptr while closed
    LastOperation m_nLastOperation;
};
