// Which texts and codes a reported exception shows. Runs against the real
// string table of the test program (the setup program's own resources).
#include "CXException.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

struct DeleteException {
    void operator()(CException* e) const { e->Delete(); }
};
using ExceptionPtr = std::unique_ptr<CException, DeleteException>;

CString StartOf(const CString& strText, const char* lpszPrefix)
{
    return strText.Left(static_cast<int>(strlen(lpszPrefix)));
}

struct ConversionCase {
    const char* name;
    CException* (*make)();
    const char* className;
    int nCode;
    const char* shortText;
    const char* longTextStart;
};

const ConversionCase kConversionCases[] = {
    {"memory", [] { return static_cast<CException*>(new CMemoryException); },
     "CXMemoryException", 0, "Not enough memory available.", "There is insufficient memory"},
    {"file not found", [] { return static_cast<CException*>(new CFileException(CFileException::fileNotFound)); },
     "CXFileException", 2, "File not found.", "A file required for this operation was not found."},
    {"bad seek", [] { return static_cast<CException*>(new CFileException(CFileException::badSeek)); },
     "CXFileException", 9, "Bad seek.", "An error occurred with one of the files used in this operation."},
    {"file none", [] { return static_cast<CException*>(new CFileException(CFileException::none)); },
     "CXFileException", 0, "File Error.", "An error occurred with one of the files used in this operation."},
    {"file generic", [] { return static_cast<CException*>(new CFileException(CFileException::genericException)); },
     "CXFileException", 1, "File Error.", "An error occurred with one of the files used in this operation."},
    {"hardware", [] { return static_cast<CException*>(new CFileException(CFileException::hardIO)); },
     "CXFileException", 10, "Hardware error.",
     "There was a hardware error accessing your file system. Possible causes\r:\n- incompatible"},
    {"archive", [] { return static_cast<CException*>(new CArchiveException(CArchiveException::badIndex)); },
     "CXArchiveException", 5, "Archive Error", "An error occurred in saving or loading"},
    {"not supported", [] { return static_cast<CException*>(new CNotSupportedException); },
     "CXNotSupportedException", 0, "This operation is not supported.", "You have requested an operation"},
    {"resource", [] { return static_cast<CException*>(new CResourceException); },
     "CXResourceException", 0, "Resource Error.", "An error occurred while accessing the resources"},
    {"user", [] { return static_cast<CException*>(new CUserException); },
     "CXUserException", 0, "Operation cancelled.", "You cancelled this operation."},
    {"other kind", [] { return new CException; },
     "CXException", 1, "An unkown error occured.", "The requested operation cannot be completed"},
};

TEST(XException, ConvertsEveryKindAndFindsItsTexts)
{
    for (const ConversionCase& c : kConversionCases) {
        SCOPED_TRACE(c.name);
        const ExceptionPtr original(c.make());
        const ExceptionPtr converted(XConvertException(original.get()));
        auto* x = static_cast<CXException*>(converted.get());

        EXPECT_STREQ(x->GetRuntimeClass()->m_lpszClassName, c.className);
        EXPECT_TRUE(x->IsKindOf(RUNTIME_CLASS(CXException)));
        EXPECT_EQ(x->m_nCode, c.nCode);

        x->LoadErrorText();
        EXPECT_STREQ(g_strErrorShort, c.shortText);
        EXPECT_STREQ(StartOf(g_strErrorLong, c.longTextStart), c.longTextStart);
    }
}

// A member of the family whose table answers one code with a short text only:
// the base row fills whatever is still missing, and nothing else.
const CXErrorEntry kPartialTable[] = {{7, IDS_ERR_BAD_SEEK, 0}};
DECLARE_X_EXCEPTION(CPartialException)
IMPLEMENT_X_EXCEPTION(CPartialException, kPartialTable)

TEST(XException, BaseTableFillsOnlyMissingTexts)
{
    const char* const lpszBaseLong = "The requested operation cannot be completed";

    CPartialException matching(7);
    matching.LoadErrorText();
    EXPECT_STREQ(g_strErrorShort, "Bad seek.");
    EXPECT_STREQ(StartOf(g_strErrorLong, lpszBaseLong), lpszBaseLong);

    CPartialException unmatched(8);
    unmatched.LoadErrorText();
    EXPECT_STREQ(g_strErrorShort, "An unkown error occured.");
    EXPECT_STREQ(StartOf(g_strErrorLong, lpszBaseLong), lpszBaseLong);
}

TEST(XException, EachReportStartsFromEmptyTexts)
{
    CXFileException first(CFileException::diskFull);
    first.LoadErrorText();
    EXPECT_STREQ(g_strErrorShort, "Disk full");

    CXFileException second(CFileException::accessDenied);
    second.LoadErrorText();
    EXPECT_STREQ(g_strErrorShort, "Access denied.");
}

} // namespace
