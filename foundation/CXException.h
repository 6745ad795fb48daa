// The program's own exception family: an error code plus a short and a long
// message text, looked up by code in a small table per class. Framework
// exceptions are wrapped in one of these when they are reported.
#pragma once

#include "CException.h"
#include "CString.h"

// One row of a message table. nCode -1 answers every code; a text id 0 is no text.
struct CXErrorEntry
{
    int nCode;
    UINT nShortTextId;
    UINT nLongTextId;
};

// The texts of the exception being reported (filled by LoadErrorText).
extern CString g_strErrorShort;
extern CString g_strErrorLong;

class CXException : public CException
{
    DECLARE_DYNAMIC(CXException)
public:
    explicit CXException(int nCode = 0);
    ~CXException() override;

    // Empties the two error texts, then fills them for this object.
    void LoadErrorText();
    // Fills the texts that are still empty from the class's table; every class
    // of the family looks in its own table, then in this base one.
    virtual void LookupErrorText();

    int m_nCode;

protected:
    void LookupInTable(const CXErrorEntry* pTable, int nCount);
};

// Declares a member of the family that differs from its base only by its table.
#define DECLARE_X_EXCEPTION(cls)                 \
    class cls : public CXException               \
    {                                            \
        DECLARE_DYNAMIC(cls)                     \
    public:                                      \
        explicit cls(int nCode = 0) : CXException(nCode) {} \
        ~cls() override;                         \
        void LookupErrorText() override;         \
    };

DECLARE_X_EXCEPTION(CXMemoryException)
DECLARE_X_EXCEPTION(CXFileException)
DECLARE_X_EXCEPTION(CXArchiveException)
DECLARE_X_EXCEPTION(CXResourceException)
DECLARE_X_EXCEPTION(CXUserException)
DECLARE_X_EXCEPTION(CXNotSupportedException)

// Defines the destructor and the lookup of such a member: its own table first,
// then the base table fills what is still empty.
#define IMPLEMENT_X_EXCEPTION(cls, table)                              \
    IMPLEMENT_DYNAMIC(cls, CXException)                                \
    cls::~cls() = default;                                             \
    void cls::LookupErrorText()                                        \
    {                                                                  \
        LookupInTable(table, static_cast<int>(sizeof table / sizeof table[0])); \
        CXException::LookupErrorText();                                \
    }

// A new family object for any framework exception; the caller deletes it.
CXException* XConvertException(const CException* e);
