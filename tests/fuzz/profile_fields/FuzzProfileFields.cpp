// Record values from outside (a distributor's profile, a log left on the
// machine) through the field extractors and every section's record loader.
// Input: a key, a newline, then the value; the first byte of the key also
// picks the field to extract.
#include "CDestinationMap.h"
#include "CDisketteArray.h"
#include "CGroupMap.h"
#include "CInstallProfileException.h"
#include "CTargetMap.h"
#include "ProfileFields.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void Check(bool bCondition)
{
    if (!bCondition)
        abort();
}

// The field by a plain walk over the bytes, to hold ExtractField against.
// The double-byte rules of the platform do not apply natively.
bool NaiveField(const CString& strValue, int nField, CString& strOut)
{
    if (nField < 0)
        return false;
    int nStart = 0;
    for (int n = 0; n < nField; n++) {
        const char* pszValue = strValue;
        const void* pSeparator = memchr(pszValue + nStart, '|', strValue.GetLength() - nStart);
        if (pSeparator == nullptr)
            return false;
        nStart = static_cast<int>(static_cast<const char*>(pSeparator) - pszValue) + 1;
    }
    const char* pszValue = strValue;
    const void* pEnd = memchr(pszValue + nStart, '|', strValue.GetLength() - nStart);
    const int nEnd = pEnd != nullptr ? static_cast<int>(static_cast<const char*>(pEnd) - pszValue)
                                     : strValue.GetLength();
    strOut = strValue.Mid(nStart, nEnd - nStart);
    return true;
}

void CheckExtractors(const CString& strValue, int nField)
{
    CString strField;
    const BOOL bFound = ExtractField(strField, strValue, nField);
    CString strNaive;
    Check(static_cast<bool>(bFound) == NaiveField(strValue, nField, strNaive));
    Check(bFound ? strField == strNaive : strField.IsEmpty());

    LONG nLong = 12345;
    short nShort = 123;
    int nBool = 7;
    Check(ExtractLongField(nLong, strValue, nField) == bFound);
    Check(ExtractShortField(nShort, strValue, nField) == bFound);
    Check(ExtractBoolField(nBool, strValue, nField) == bFound);
    if (!bFound) {
        Check(nLong == 12345 && nShort == 123 && nBool == 7);
        return;
    }
    Check(nLong == ParseDecimal(strField));
    Check(nShort == static_cast<short>(static_cast<WORD>(nLong & 0xFFFF)));
    Check(nBool == (nLong != 0 ? 1 : 0));
}

// A saved record loads back into the same record.
template <class TMap, class TLookupKey, class TRecord>
void CheckRoundTrip(const CString& strKey, const TLookupKey& lookupKey, const TRecord* pRecord)
{
    Check(pRecord != nullptr);
    const CString strSaved = TMap::FormatRecord(*pRecord);
    if (strSaved.GetLength() >= PROFILE_VALUE_MAX)
        return;  // a read would cut it; the loaders deal with that apart
    TMap again;
    again.LoadRecord(strKey, strSaved);
    const TRecord* pAgain = again.Lookup(lookupKey);
    Check(pAgain != nullptr);
    Check(TMap::FormatRecord(*pAgain) == strSaved);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const char* pch = reinterpret_cast<const char*>(pData);
    const void* pNewline = memchr(pch, '\n', nSize);
    const size_t nKeyLength = pNewline != nullptr ? static_cast<const char*>(pNewline) - pch : 0;
    // Texts from the platform end at their first NUL.
    const CString strKey = CString(pch, static_cast<int>(nKeyLength)).Left(static_cast<int>(
        strnlen(pch, nKeyLength)));
    const size_t nValueStart = pNewline != nullptr ? nKeyLength + 1 : 0;
    const CString strValue = CString(pch + nValueStart, static_cast<int>(nSize - nValueStart))
                                 .Left(static_cast<int>(strnlen(pch + nValueStart, nSize - nValueStart)));
    const int nField = nSize > 0 ? pData[0] % 9 - 1 : 0;  // -1 asks for no field

    CheckExtractors(strValue, nField);

    CDestinationMap destinations;
    destinations.LoadRecord(strKey, strValue);
    destinations.LoadRecord(strValue, strKey);
    destinations.SetPath(0, "C:\\PLUG\\");
    try {
        destinations.ResolveAll();
    } catch (CInstallProfileException* e) {
        Check(e->m_nCode == PROFILE_UNRESOLVED_DESTINATIONS);
        e->Delete();
    }
    const short nId = static_cast<short>(static_cast<WORD>(ParseDecimal(strKey) & 0xFFFF));
    CheckRoundTrip<CDestinationMap>(strKey, nId, destinations.Lookup(nId));
    CPtrArray deepest;
    destinations.GetDeepestFirst(deepest);

    CTargetMap targets;
    targets.LoadRecord(strKey, strValue);
    CheckRoundTrip<CTargetMap>(strKey, strKey, targets.Lookup(strKey));

    CGroupMap groups;
    groups.LoadRecord(strKey, strValue);
    groups.SelectByType(nField);
    CheckRoundTrip<CGroupMap>(strKey, strKey, groups.Lookup(strKey));

    CDisketteArray diskettes;
    diskettes.LoadRecord(strKey, strValue);
    Check(diskettes.GetSize() <= CDisketteArray::MAX_DISKETTE + 1);
    diskettes.GetLabel(nField);
    return 0;
}
