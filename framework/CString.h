// CString: an ANSI string that counts its length, so it may hold embedded
// NULs; empty by default. Every argument is checked: positions and counts
// are clamped, a null const char* reads as empty, and a failed allocation
// throws CMemoryException* rather than leaving a broken string behind.
//
// Searches step over the trail bytes of double-byte characters (the ANSI code
// page of the machine), so looking for '\\' never stops inside a character.
// Positions and counts are in bytes.
#pragma once

#include "Platform.h"

#include <cstdarg>

// The MinGW build formats with its own C99 printf (__mingw_vsnprintf), so
// callers are checked against the GNU rules there as well.
#if defined(__MINGW32__) && !defined(__clang__)
#define FRAMEWORK_PRINTF(fmt, args) __attribute__((format(gnu_printf, fmt, args)))
#else
#define FRAMEWORK_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#endif

class CString
{
public:
    CString();
    CString(const char* psz);
    CString(const char* pch, int nLength);
    explicit CString(char ch, int nRepeat = 1);
    CString(const CString& str);
    CString(CString&& str) noexcept;
    ~CString();

    CString& operator=(const CString& str);
    CString& operator=(CString&& str) noexcept;
    CString& operator=(const char* psz);
    CString& operator=(char ch);

    CString& operator+=(const CString& str);
    CString& operator+=(const char* psz);
    CString& operator+=(char ch);

    int GetLength() const { return m_nLength; }
    BOOL IsEmpty() const { return m_nLength == 0; }
    void Empty();

    // An index outside 0..GetLength()-1 throws CNotSupportedException*.
    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    char operator[](int nIndex) const { return GetAt(nIndex); }

    // Always NUL-terminated; an embedded NUL ends the text for C callers.
    operator const char*() const;

    // Byte-wise over the whole counted text; <0, 0 or >0.
    int Compare(const CString& str) const;
    int Compare(const char* psz) const;
    // Compares the upper-case forms (MakeUpper), byte-wise.
    int CompareNoCase(const CString& str) const;

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;

    // -1 when not found. A negative start searches from 0, a start past the
    // end finds nothing; an empty substring is found at the start.
    // FindOneOf matches single-byte characters only.
    int Find(char ch) const;
    int Find(char ch, int nStart) const;
    int Find(const char* pszSub) const;
    int Find(const char* pszSub, int nStart) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* pszCharSet) const;

    // Win32: by the ANSI code page (CharUpperBuffA); natively ASCII only.
    void MakeUpper();
    void MakeLower();
    void TrimLeft();
    void TrimRight();

    // Any length; the text is measured before it is written. An invalid
    // format throws CNotSupportedException* and leaves the string unchanged.
    void Format(const char* pszFormat, ...) FRAMEWORK_PRINTF(2, 3);
    void FormatV(const char* pszFormat, va_list args) FRAMEWORK_PRINTF(2, 0);

    // From the string table of the running program, whatever its length.
    // FALSE (and an empty string) when there is no such entry; the native
    // build has no string table and always answers FALSE.
    BOOL LoadString(UINT nID);

    // Direct access: room for at least nMinBufLength characters plus the
    // terminator, the current text preserved. ReleaseBuffer(-1) takes the
    // text up to the first NUL within the buffer; a longer count is cut to
    // the buffer. The pointer is valid until the next change of the string.
    char* GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    char* GetBufferSetLength(int nNewLength);

private:
    void Assign(const char* pch, int nLength);
    void Append(const char* pch, int nLength);
    void Reserve(int nCapacity);
    void SetLength(int nLength);
    int CharSize(int nIndex) const;
    int FindFrom(const char* pchSub, int nSubLength, int nStart) const;

    char* m_pchData;     // nullptr while nothing was ever allocated
    int m_nLength;       // characters in use, terminator not counted
    int m_nAllocLength;  // room in m_pchData, terminator not counted
};

CString operator+(const CString& str1, const CString& str2);
CString operator+(const CString& str, const char* psz);
CString operator+(const char* psz, const CString& str);
CString operator+(const CString& str, char ch);
CString operator+(char ch, const CString& str);

bool operator==(const CString& str1, const CString& str2);
bool operator==(const CString& str, const char* psz);
bool operator==(const char* psz, const CString& str);
bool operator!=(const CString& str1, const CString& str2);
bool operator!=(const CString& str, const char* psz);
bool operator!=(const char* psz, const CString& str);
bool operator<(const CString& str1, const CString& str2);
bool operator<(const CString& str, const char* psz);
bool operator<(const char* psz, const CString& str);
bool operator>(const CString& str1, const CString& str2);
bool operator>(const CString& str, const char* psz);
bool operator>(const char* psz, const CString& str);
bool operator<=(const CString& str1, const CString& str2);
bool operator<=(const CString& str, const char* psz);
bool operator<=(const char* psz, const CString& str);
bool operator>=(const CString& str1, const CString& str2);
bool operator>=(const CString& str, const char* psz);
bool operator>=(const char* psz, const CString& str);
