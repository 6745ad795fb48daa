#include "CMultiFileException.h"
#include "CZLibException.h"

#include <gtest/gtest.h>

// The texts come from the string table, exactly as users see them.
TEST(ArchiveMessages, EveryCodeHasItsTexts)
{
    const char* pszArchiveLong =
        "The archive file this application is extracting appears damaged (CRC Mismacth). Possible causes:\r\n\r\n"
        "- file is damaged on install diskettes\r\n- diskette drive alignment or hardware error";
    const char* pszZLibLong =
        "The archive file this application is extracting appears damaged . Possible causes:\r\n\r\n"
        "- file is damaged on install diskettes\r\n- diskette drive alignment or hardware error";
    const struct
    {
        CXException* pException;
        const char* pszShort;
        const char* pszLongStart;
    } cases[] = {
        {new CMultiFileException(MFX_UNKNOWN_METHOD), "Unknown compression method.",
         "The file this application is trying to extract was compressed with an unknown method."},
        {new CMultiFileException(MFX_NOT_ARCHIVE), "File is not an archive file.",
         "The file this application is extracting does not appear to be an archive file"},
        {new CMultiFileException(MFX_MISSING_ENTRY), "Archive file damaged (missing entry header).",
         "The archive file this application is extracting appears damaged (no entry header found)."},
        {new CMultiFileException(MFX_CORRUPT_TABLE), "Archive file damaged (corrupt table).",
         "The archive file this application is extracting appears damaged (corrupt table)."},
        {new CMultiFileException(MFX_CRC_MISMATCH), "Archive file damaged (CRC Mismatch)", pszArchiveLong},
        {new CZLibException(ZLX_UNKNOWN), "Archive file damaged (unknown error).", pszZLibLong},
        {new CZLibException(ZLX_STREAM), "Archive file damaged (stream error).", pszZLibLong},
        {new CZLibException(ZLX_DATA), "Archive file damaged (data error).", pszZLibLong},
        {new CZLibException(ZLX_BUFFER), "Archive file damaged (buffer error).", pszZLibLong},
    };
    for (const auto& c : cases) {
        CExceptionGuard guard(c.pException);
        c.pException->LoadErrorText();
        EXPECT_STREQ(c.pszShort, g_strErrorShort);
        EXPECT_EQ(0, g_strErrorLong.Find(c.pszLongStart)) << static_cast<const char*>(g_strErrorLong);
    }
    CExceptionGuard guard(new CMultiFileException(MFX_CRC_MISMATCH));
    EXPECT_STREQ("CMultiFileException", guard.Get()->GetRuntimeClass()->m_lpszClassName);
}
