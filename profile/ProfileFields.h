// The fields of a record value: "|"-separated texts numbered from 0. Every
// section of the install profile and the install log stores its records this
// way; these operations are the only place the splitting happens.
//
// A field that the value does not reach (fewer separators than its number)
// makes an operation return FALSE: the text variant then gives an empty
// text, the numeric variants leave their output as it was, so a caller's
// default stays. Numbers are read like the C library's atol: leading white
// space, one optional sign, then digits up to the first other character; no
// digit at all reads as 0. Overlong numbers wrap instead of overflowing.
#pragma once

#include "CString.h"
#include "Platform.h"

// The longest value a profile read returns: the platform hands values through
// a 256-byte buffer, so anything longer arrives cut to this length.
const int PROFILE_VALUE_MAX = 254;

const char PROFILE_FIELD_SEPARATOR = '|';

BOOL ExtractField(CString& strOut, const CString& strValue, int nField,
                  char chSeparator = PROFILE_FIELD_SEPARATOR);
// The low 16 bits of the decimal value, so 65535 reads as -1.
BOOL ExtractShortField(short& nOut, const CString& strValue, int nField,
                       char chSeparator = PROFILE_FIELD_SEPARATOR);
BOOL ExtractLongField(LONG& nOut, const CString& strValue, int nField,
                      char chSeparator = PROFILE_FIELD_SEPARATOR);
// 1 for a non-zero decimal value, else 0.
BOOL ExtractBoolField(int& nOut, const CString& strValue, int nField,
                      char chSeparator = PROFILE_FIELD_SEPARATOR);

// The decimal value of a text read as above, in 32 bits.
LONG ParseDecimal(const char* pszText);
