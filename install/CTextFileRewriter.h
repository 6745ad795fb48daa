// CTextFileRewriter: rewrites a text file line by line through a temporary
// file in the same directory, which then takes the file's place in one step.
// A derived class decides per line what is copied (ProcessLine) and may add
// text of its own (WriteText).
//
// The temporary file never outlives the rewrite: it replaces the file, or it
// is deleted when nothing changed, when the rewrite was abandoned (m_bStop),
// and when any step fails (the failure then reaches the caller as
// CFileException*; the file is left as it was).
#pragma once

#include "CFilePath.h"
#include "CStdioFile.h"
#include "CString.h"

class CTextFileRewriter
{
public:
    virtual ~CTextFileRewriter();
    CTextFileRewriter(const CTextFileRewriter&) = delete;
    CTextFileRewriter& operator=(const CTextFileRewriter&) = delete;

    // TRUE when m_strLine is to be copied.
    virtual BOOL ProcessLine() = 0;
    // The copy loop and the swap; call after OpenFiles.
    virtual void Run();
    // The next line into m_strLine, its line end "\n" included (a last line
    // without one gets it). Lines are read whole, whatever their length.
    virtual BOOL ReadLine();
    virtual void WriteLine();
    virtual void WriteText(LPCTSTR pszText);
    virtual void OnBegin() {}
    virtual void OnEnd() {}
    // Called just before the temporary file takes the file's place.
    virtual void PrepareReplace() {}

    // Creates the temporary file and opens pszPath for reading. A missing file
    // is read as an empty one; a file that exists but cannot be read throws,
    // so that its lines are never lost.
    void OpenFiles(LPCTSTR pszPath);

protected:
    explicit CTextFileRewriter(LPCTSTR pszPath);

    CFilePath m_path;
    CFilePath m_pathTemp;
    CStdioFile* m_pInputFile = nullptr;
    // Set from the creation of the temporary file until the rewrite is over:
    // while it is set the temporary file is ours to remove.
    CStdioFile* m_pOutputFile = nullptr;
    CString m_strLine;
    BOOL m_bCopyRest = FALSE;
    BOOL m_bStop = FALSE;
    BOOL m_bChanged = FALSE;

private:
    void CloseInput();
    // Closes both files and deletes the temporary one.
    void Abandon();
    // The temporary file takes the file's place; on failure it is deleted and
    // the file stays as it was.
    void ReplaceFile();
};
