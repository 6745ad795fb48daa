#include "CTextFileRewriter.h"

#include "CException.h"

CTextFileRewriter::CTextFileRewriter(LPCTSTR pszPath) : m_path(pszPath) {}

CTextFileRewriter::~CTextFileRewriter()
{
    Abandon();
}

void CTextFileRewriter::OpenFiles(LPCTSTR pszPath)
{
    Abandon();
    m_path = pszPath;
    m_pathTemp = m_path;
    if (!m_pathTemp.MakeUniqueFileTitle(TRUE, 1000))
    {
        // Never write over an existing file: without a free name, no rewrite.
        AfxThrowFileException(m_pathTemp.GetPath().IsEmpty() ? CFileException::badPath
                                                              : CFileException::directoryFull,
                              -1, m_path.GetPath());
    }
    m_pOutputFile = new CStdioFile;
    CFileException error;
    if (!m_pOutputFile->Open(m_pathTemp.GetPath(),
                             CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive | CFile::typeText,
                             &error))
    {
        delete m_pOutputFile;
        m_pOutputFile = nullptr;
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
    }

    // Read in binary: a Ctrl-Z in text mode would end the file early and cut
    // off the rest of it. ReadString takes "\r\n" as a line end all the same.
    m_pInputFile = new CStdioFile;
    if (!m_pInputFile->Open(m_path.GetPath(), CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary,
                            &error))
    {
        CloseInput();
        if (error.m_cause != CFileException::fileNotFound)
        {
            Abandon();
            AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
        }
    }
}

void CTextFileRewriter::Run()
{
    if (m_pOutputFile == nullptr)
        return;
    try
    {
        OnBegin();
        while (ReadLine())
        {
            if (m_bCopyRest || ProcessLine())
                WriteLine();
            if (m_bStop)
                break;
        }
        OnEnd();
        CloseInput();
        // Buffered text reaches the disk here; a full disk shows now.
        m_pOutputFile->Close();
    }
    catch (CException* e)
    {
        CExceptionGuard guard(e);
        Abandon();
        throw guard.Release();
    }

    if (m_bChanged && !m_bStop)
    {
        PrepareReplace();
        ReplaceFile();
    }
    else
    {
        Abandon();
    }
}

BOOL CTextFileRewriter::ReadLine()
{
    if (m_pInputFile == nullptr || !m_pInputFile->ReadString(m_strLine))
        return FALSE;
    m_strLine += '\n';
    return TRUE;
}

void CTextFileRewriter::WriteLine()
{
    // Write, not WriteString: a NUL inside a line is copied too.
    m_pOutputFile->Write(static_cast<const char*>(m_strLine), static_cast<UINT>(m_strLine.GetLength()));
}

void CTextFileRewriter::WriteText(LPCTSTR pszText)
{
    const CString strText(pszText);
    m_pOutputFile->Write(static_cast<const char*>(strText), static_cast<UINT>(strText.GetLength()));
    m_bChanged = TRUE;
}

void CTextFileRewriter::CloseInput()
{
    delete m_pInputFile;
    m_pInputFile = nullptr;
}

void CTextFileRewriter::Abandon()
{
    CloseInput();
    if (m_pOutputFile == nullptr)
        return;
    delete m_pOutputFile;
    m_pOutputFile = nullptr;
    m_pathTemp.Delete(TRUE);
}

void CTextFileRewriter::ReplaceFile()
{
    delete m_pOutputFile;
    m_pOutputFile = nullptr;

    // One move that replaces: the old text stays until the new one is in
    // place. A read-only file would refuse it.
    const DWORD dwAttributes = GetFileAttributesA(m_path.GetPath());
    const BOOL bReadOnly = dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (bReadOnly)
        SetFileAttributesA(m_path.GetPath(), dwAttributes & ~FILE_ATTRIBUTE_READONLY);
    if (MoveFileExA(m_pathTemp.GetPath(), m_path.GetPath(), MOVEFILE_REPLACE_EXISTING))
        return;

    const DWORD dwError = GetLastError();
    if (bReadOnly)
        SetFileAttributesA(m_path.GetPath(), dwAttributes);
    m_pathTemp.Delete(TRUE);
    CFileException::ThrowOsError(static_cast<LONG>(dwError), m_path.GetPath());
}
