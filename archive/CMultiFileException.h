// CMultiFileException: a damaged or foreign archive. m_nCode is one of the
// codes below; the texts come from the string table.
#pragma once

#include "CXException.h"

DECLARE_X_EXCEPTION(CMultiFileException)

enum
{
    MFX_UNKNOWN_METHOD = 1,
    MFX_NOT_ARCHIVE = 2,
    MFX_MISSING_ENTRY = 3,
    MFX_CORRUPT_TABLE = 4,  // in the table; nothing raises it
    MFX_CRC_MISMATCH = 5
};

[[noreturn]] void ThrowMultiFileException(int nCode);
