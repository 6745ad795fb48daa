#include "CString.h"

#include "CException.h"
#include "CMemoryAllocator.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <utility>

namespace
{
char* AllocateChars(int nCapacity)
{
    return CMemoryAllocator<char>().allocate(static_cast<size_t>(nCapacity) + 1);
}

void FreeChars(char* pchData, int nCapacity)
{
    if (pchData != nullptr)
        CMemoryAllocator<char>().deallocate(pchData, static_cast<size_t>(nCapacity) + 1);
}

int CheckedLength(size_t nLength)
{
    if (nLength > static_cast<size_t>(INT_MAX))
        AfxThrowMemoryException();
    return static_cast<int>(nLength);
}

int SafeLength(const char* psz)
{
    return psz != nullptr ? CheckedLength(strlen(psz)) : 0;
}

int CompareCounted(const char* pch1, int nLength1, const char* pch2, int nLength2)
{
    int nResult = memcmp(pch1, pch2, static_cast<size_t>(nLength1 < nLength2 ? nLength1 : nLength2));
    if (nResult == 0)
        nResult = nLength1 - nLength2;
    return (nResult > 0) - (nResult < 0);
}

bool IsSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

// Only a double-byte code page makes a search walk from the start of the
// string to find where characters begin.
bool HasDoubleByteCharacters()
{
#ifdef _WIN32
    static const bool g_bDoubleByte = [] {
        CPINFO info;
        return GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 1;
    }();
    return g_bDoubleByte;
#else
    return false;
#endif
}

int FormatInto(char* pchBuffer, size_t nBufferSize, const char* pszFormat, va_list args)
{
#if defined(__MINGW32__)
    return __mingw_vsnprintf(pchBuffer, nBufferSize, pszFormat, args);
#else
    return vsnprintf(pchBuffer, nBufferSize, pszFormat, args);
#endif
}
}

CString::CString() : m_pchData(nullptr), m_nLength(0), m_nAllocLength(0) {}

CString::CString(const char* psz) : CString()
{
    Assign(psz, SafeLength(psz));
}

CString::CString(const char* pch, int nLength) : CString()
{
    if (pch != nullptr && nLength > 0)
        Assign(pch, nLength);
}

CString::CString(char ch, int nRepeat) : CString()
{
    if (nRepeat > 0)
    {
        Reserve(nRepeat);
        memset(m_pchData, ch, static_cast<size_t>(nRepeat));
        SetLength(nRepeat);
    }
}

CString::CString(const CString& str) : CString()
{
    Assign(str, str.m_nLength);
}

CString::CString(CString&& str) noexcept
    : m_pchData(std::exchange(str.m_pchData, nullptr)),
      m_nLength(std::exchange(str.m_nLength, 0)),
      m_nAllocLength(std::exchange(str.m_nAllocLength, 0))
{
}

CString::~CString()
{
    FreeChars(m_pchData, m_nAllocLength);
}

CString& CString::operator=(const CString& str)
{
    Assign(str, str.m_nLength);
    return *this;
}

CString& CString::operator=(CString&& str) noexcept
{
    if (this != &str)
    {
        Empty();
        m_pchData = std::exchange(str.m_pchData, nullptr);
        m_nLength = std::exchange(str.m_nLength, 0);
        m_nAllocLength = std::exchange(str.m_nAllocLength, 0);
    }
    return *this;
}

CString& CString::operator=(const char* psz)
{
    Assign(psz, SafeLength(psz));
    return *this;
}

CString& CString::operator=(char ch)
{
    Assign(&ch, 1);
    return *this;
}

CString& CString::operator+=(const CString& str)
{
    Append(str, str.m_nLength);
    return *this;
}

CString& CString::operator+=(const char* psz)
{
    Append(psz, SafeLength(psz));
    return *this;
}

CString& CString::operator+=(char ch)
{
    Append(&ch, 1);
    return *this;
}

void CString::Empty()
{
    FreeChars(m_pchData, m_nAllocLength);
    m_pchData = nullptr;
    m_nLength = 0;
    m_nAllocLength = 0;
}

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nLength)
        AfxThrowNotSupportedException();
    return m_pchData[nIndex];
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex < 0 || nIndex >= m_nLength)
        AfxThrowNotSupportedException();
    m_pchData[nIndex] = ch;
}

CString::operator const char*() const
{
    return m_pchData != nullptr ? m_pchData : "";
}

int CString::Compare(const CString& str) const
{
    return CompareCounted(*this, m_nLength, str, str.m_nLength);
}

int CString::Compare(const char* psz) const
{
    return CompareCounted(*this, m_nLength, psz != nullptr ? psz : "", SafeLength(psz));
}

int CString::CompareNoCase(const CString& str) const
{
    CString strUpper1(*this);
    CString strUpper2(str);
    strUpper1.MakeUpper();
    strUpper2.MakeUpper();
    return strUpper1.Compare(strUpper2);
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, m_nLength);
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst > m_nLength)
        nFirst = m_nLength;
    if (nCount < 0)
        nCount = 0;
    if (nCount > m_nLength - nFirst)
        nCount = m_nLength - nFirst;
    return CString(static_cast<const char*>(*this) + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount > m_nLength)
        nCount = m_nLength;
    return Mid(m_nLength - nCount, nCount);
}

// 2 for the lead byte of a double-byte character, else 1: searches step by
// characters, so a match never starts on a trail byte.
int CString::CharSize(int nIndex) const
{
    return (IsDBCSLeadByte(static_cast<BYTE>(m_pchData[nIndex])) && nIndex + 1 < m_nLength) ? 2 : 1;
}

int CString::FindFrom(const char* pchSub, int nSubLength, int nStart) const
{
    const char* pchData = *this;
    int nFirst = HasDoubleByteCharacters() || nStart < 0 ? 0 : nStart;
    for (int i = nFirst; i <= m_nLength - nSubLength; i += i < m_nLength ? CharSize(i) : 1)
    {
        if (i >= nStart && memcmp(pchData + i, pchSub, static_cast<size_t>(nSubLength)) == 0)
            return i;
    }
    return -1;
}

int CString::Find(char ch) const
{
    return FindFrom(&ch, 1, 0);
}

int CString::Find(char ch, int nStart) const
{
    return FindFrom(&ch, 1, nStart);
}

int CString::Find(const char* pszSub) const
{
    return Find(pszSub, 0);
}

int CString::Find(const char* pszSub, int nStart) const
{
    return FindFrom(pszSub != nullptr ? pszSub : "", SafeLength(pszSub), nStart);
}

int CString::ReverseFind(char ch) const
{
    int nLast = -1;
    for (int i = 0; i < m_nLength; i += CharSize(i))
    {
        if (m_pchData[i] == ch)
            nLast = i;
    }
    return nLast;
}

int CString::FindOneOf(const char* pszCharSet) const
{
    size_t nSetLength = pszCharSet != nullptr ? strlen(pszCharSet) : 0;
    for (int i = 0; i < m_nLength; i += CharSize(i))
    {
        if (CharSize(i) == 1 && nSetLength > 0 && memchr(pszCharSet, m_pchData[i], nSetLength) != nullptr)
            return i;
    }
    return -1;
}

void CString::MakeUpper()
{
    if (m_nLength == 0)
        return;
#ifdef _WIN32
    CharUpperBuffA(m_pchData, static_cast<DWORD>(m_nLength));
#else
    for (int i = 0; i < m_nLength; i++)
    {
        if (m_pchData[i] >= 'a' && m_pchData[i] <= 'z')
            m_pchData[i] = static_cast<char>(m_pchData[i] - 'a' + 'A');
    }
#endif
}

void CString::MakeLower()
{
    if (m_nLength == 0)
        return;
#ifdef _WIN32
    CharLowerBuffA(m_pchData, static_cast<DWORD>(m_nLength));
#else
    for (int i = 0; i < m_nLength; i++)
    {
        if (m_pchData[i] >= 'A' && m_pchData[i] <= 'Z')
            m_pchData[i] = static_cast<char>(m_pchData[i] - 'A' + 'a');
    }
#endif
}

void CString::TrimLeft()
{
    int nSkip = 0;
    while (nSkip < m_nLength && IsSpace(m_pchData[nSkip]))
        nSkip++;
    if (nSkip == 0)
        return;
    memmove(m_pchData, m_pchData + nSkip, static_cast<size_t>(m_nLength - nSkip));
    SetLength(m_nLength - nSkip);
}

void CString::TrimRight()
{
    int nLength = m_nLength;
    while (nLength > 0 && IsSpace(m_pchData[nLength - 1]))
        nLength--;
    if (nLength < m_nLength)
        SetLength(nLength);
}

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    try
    {
        FormatV(pszFormat, args);
    }
    catch (...)
    {
        va_end(args);
        throw;
    }
    va_end(args);
}

void CString::FormatV(const char* pszFormat, va_list args)
{
    if (pszFormat == nullptr)
        AfxThrowNotSupportedException();

    va_list argsMeasure;
    va_copy(argsMeasure, args);
    int nLength = FormatInto(nullptr, 0, pszFormat, argsMeasure);
    va_end(argsMeasure);
    if (nLength < 0)
        AfxThrowNotSupportedException();

    // Formatted aside: an argument may be this very string.
    CString strResult;
    strResult.Reserve(nLength);
    FormatInto(strResult.m_pchData, static_cast<size_t>(nLength) + 1, pszFormat, args);
    strResult.SetLength(nLength);
    *this = std::move(strResult);
}

#ifdef _WIN32
BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInstance = GetModuleHandleA(nullptr);
    CString strText;
    for (int nCapacity = 256;; nCapacity *= 2)
    {
        // LoadStringA cuts a long text to the buffer (and may stop short of
        // a double-byte character), so only a text two clear of the end is
        // known to be whole.
        int nLength = ::LoadStringA(hInstance, nID, strText.GetBuffer(nCapacity), nCapacity + 1);
        if (nLength <= 0)
        {
            Empty();
            return FALSE;
        }
        if (nLength < nCapacity - 1)
        {
            strText.ReleaseBuffer(nLength);
            *this = std::move(strText);
            return TRUE;
        }
        if (nCapacity > INT_MAX / 2)
            AfxThrowMemoryException();
    }
}
#else
BOOL CString::LoadString(UINT)
{
    Empty();
    return FALSE;
}
#endif

char* CString::GetBuffer(int nMinBufLength)
{
    Reserve(nMinBufLength > m_nLength ? nMinBufLength : m_nLength);
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (m_pchData == nullptr)
        return;
    if (nNewLength < 0)
    {
        const void* pTerminator = memchr(m_pchData, '\0', static_cast<size_t>(m_nAllocLength));
        nNewLength = pTerminator != nullptr ? static_cast<int>(static_cast<const char*>(pTerminator) - m_pchData)
                                            : m_nAllocLength;
    }
    SetLength(nNewLength < m_nAllocLength ? nNewLength : m_nAllocLength);
}

char* CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    Reserve(nNewLength);
    if (nNewLength > m_nLength)
        memset(m_pchData + m_nLength, 0, static_cast<size_t>(nNewLength - m_nLength));
    SetLength(nNewLength);
    return m_pchData;
}

void CString::Assign(const char* pch, int nLength)
{
    if (nLength > m_nAllocLength || m_pchData == nullptr)
    {
        // The source may lie in the old buffer: copy before freeing it.
        char* pchNew = AllocateChars(nLength);
        if (nLength > 0)
            memcpy(pchNew, pch, static_cast<size_t>(nLength));
        FreeChars(m_pchData, m_nAllocLength);
        m_pchData = pchNew;
        m_nAllocLength = nLength;
    }
    else if (nLength > 0)
    {
        memmove(m_pchData, pch, static_cast<size_t>(nLength));
    }
    SetLength(nLength);
}

void CString::Append(const char* pch, int nLength)
{
    if (nLength <= 0)
        return;
    if (nLength > INT_MAX - m_nLength)
        AfxThrowMemoryException();
    int nNewLength = m_nLength + nLength;
    if (nNewLength > m_nAllocLength || m_pchData == nullptr)
    {
        // Room to grow, so that appending in a loop stays linear.
        int nCapacity = m_nAllocLength > INT_MAX / 2 ? INT_MAX : m_nAllocLength * 2;
        if (nCapacity < nNewLength)
            nCapacity = nNewLength;
        char* pchNew = AllocateChars(nCapacity);
        if (m_nLength > 0)
            memcpy(pchNew, m_pchData, static_cast<size_t>(m_nLength));
        memcpy(pchNew + m_nLength, pch, static_cast<size_t>(nLength));
        FreeChars(m_pchData, m_nAllocLength);
        m_pchData = pchNew;
        m_nAllocLength = nCapacity;
    }
    else
    {
        memmove(m_pchData + m_nLength, pch, static_cast<size_t>(nLength));
    }
    SetLength(nNewLength);
}

void CString::Reserve(int nCapacity)
{
    if (m_pchData != nullptr && nCapacity <= m_nAllocLength)
        return;
    char* pchNew = AllocateChars(nCapacity);
    if (m_nLength > 0)
        memcpy(pchNew, m_pchData, static_cast<size_t>(m_nLength));
    pchNew[m_nLength] = '\0';
    FreeChars(m_pchData, m_nAllocLength);
    m_pchData = pchNew;
    m_nAllocLength = nCapacity;
}

void CString::SetLength(int nLength)
{
    m_nLength = nLength;
    if (m_pchData != nullptr)
        m_pchData[nLength] = '\0';
}

CString operator+(const CString& str1, const CString& str2)
{
    CString strResult(str1);
    strResult += str2;
    return strResult;
}

CString operator+(const CString& str, const char* psz)
{
    CString strResult(str);
    strResult += psz;
    return strResult;
}

CString operator+(const char* psz, const CString& str)
{
    CString strResult(psz);
    strResult += str;
    return strResult;
}

CString operator+(const CString& str, char ch)
{
    CString strResult(str);
    strResult += ch;
    return strResult;
}

CString operator+(char ch, const CString& str)
{
    CString strResult(ch);
    strResult += str;
    return strResult;
}

bool operator==(const CString& str1, const CString& str2) { return str1.Compare(str2) == 0; }
bool operator==(const CString& str, const char* psz) { return str.Compare(psz) == 0; }
bool operator==(const char* psz, const CString& str) { return str.Compare(psz) == 0; }
bool operator!=(const CString& str1, const CString& str2) { return str1.Compare(str2) != 0; }
bool operator!=(const CString& str, const char* psz) { return str.Compare(psz) != 0; }
bool operator!=(const char* psz, const CString& str) { return str.Compare(psz) != 0; }
bool operator<(const CString& str1, const CString& str2) { return str1.Compare(str2) < 0; }
bool operator<(const CString& str, const char* psz) { return str.Compare(psz) < 0; }
bool operator<(const char* psz, const CString& str) { return str.Compare(psz) > 0; }
bool operator>(const CString& str1, const CString& str2) { return str1.Compare(str2) > 0; }
bool operator>(const CString& str, const char* psz) { return str.Compare(psz) > 0; }
bool operator>(const char* psz, const CString& str) { return str.Compare(psz) < 0; }
bool operator<=(const CString& str1, const CString& str2) { return str1.Compare(str2) <= 0; }
bool operator<=(const CString& str, const char* psz) { return str.Compare(psz) <= 0; }
bool operator<=(const char* psz, const CString& str) { return str.Compare(psz) >= 0; }
bool operator>=(const CString& str1, const CString& str2) { return str1.Compare(str2) >= 0; }
bool operator>=(const CString& str, const char* psz) { return str.Compare(psz) >= 0; }
bool operator>=(const char* psz, const CString& str) { return str.Compare(psz) <= 0; }
