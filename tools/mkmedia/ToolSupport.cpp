#include "ToolSupport.h"

#include "CMultiFileException.h"
#include "CZLibException.h"

#include <cstdio>
#include <filesystem>
#include <random>

namespace {

bool g_bQuiet = false;

const char* FileCause(int nCause)
{
    switch (nCause) {
    case CFileException::fileNotFound: return "file not found";
    case CFileException::badPath: return "bad path";
    case CFileException::tooManyOpenFiles: return "too many open files";
    case CFileException::accessDenied: return "access denied";
    case CFileException::invalidFile: return "invalid file";
    case CFileException::directoryFull: return "directory full";
    case CFileException::badSeek: return "file too large or bad position";
    case CFileException::hardIO: return "hardware error";
    case CFileException::sharingViolation: return "sharing violation";
    case CFileException::lockViolation: return "lock violation";
    case CFileException::diskFull: return "disk full";
    case CFileException::endOfFile: return "unexpected end of data";
    default: return "file error";
    }
}

const char* ArchiveCause(int nCode)
{
    switch (nCode) {
    case MFX_UNKNOWN_METHOD: return "unknown compression method";
    case MFX_NOT_ARCHIVE: return "not an archive file (no \"mflh\" volume header)";
    case MFX_MISSING_ENTRY: return "damaged: member header missing (no \"mfen\")";
    case MFX_CORRUPT_TABLE: return "damaged: corrupt table";
    case MFX_CRC_MISMATCH: return "damaged: checksum mismatch";
    default: return "damaged archive";
    }
}

const char* ZLibCause(int nCode)
{
    switch (nCode) {
    case ZLX_STREAM: return "damaged deflate data (stream error)";
    case ZLX_DATA: return "damaged deflate data (data error)";
    case ZLX_BUFFER: return "deflate data cut short (buffer error)";
    default: return "damaged deflate data (unknown error)";
    }
}

} // namespace

std::string DescribeException(const CException* e)
{
    if (e->IsKindOf(RUNTIME_CLASS(CMultiFileException)))
        return ArchiveCause(static_cast<const CMultiFileException*>(e)->m_nCode);
    if (e->IsKindOf(RUNTIME_CLASS(CZLibException)))
        return ZLibCause(static_cast<const CZLibException*>(e)->m_nCode);
    if (e->IsKindOf(RUNTIME_CLASS(CFileException))) {
        const CFileException* pFile = static_cast<const CFileException*>(e);
        std::string strText = FileCause(pFile->m_cause);
        if (!pFile->m_strFileName.IsEmpty())
            strText += std::string(": ") + static_cast<const char*>(pFile->m_strFileName);
        return strText;
    }
    if (e->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        return "out of memory";
    if (e->IsKindOf(RUNTIME_CLASS(CUserException)))
        return "cancelled";
    return "unexpected error";
}

void SetQuiet(bool bQuiet)
{
    g_bQuiet = bQuiet;
}

void ReportProgress(const std::string& strLine)
{
    if (!g_bQuiet) {
        std::fprintf(stderr, "mkmedia: %s\n", strLine.c_str());
        std::fflush(stderr);
    }
}

std::string JoinPath(const std::string& strDirectory, const std::string& strName)
{
    if (strDirectory.empty())
        return strName;
    char chLast = strDirectory.back();
    if (chLast == '/' || chLast == '\\')
        return strDirectory + strName;
#ifdef _WIN32
    return strDirectory + "\\" + strName;
#else
    return strDirectory + "/" + strName;
#endif
}

std::string MakeTempPath(const char* pszPurpose)
{
    static std::mt19937 s_random(std::random_device{}());
    std::filesystem::path directory = std::filesystem::temp_directory_path();
    for (;;) {
        std::string strName = std::string("mkmedia-") + pszPurpose + "-" + std::to_string(s_random() % 100000000) + ".tmp";
        std::string strPath = JoinPath(directory.string(), strName);
        if (!std::filesystem::exists(strPath))
            return strPath;
    }
}

void RemoveFile(const std::string& strPath)
{
    std::error_code error;
    std::filesystem::permissions(strPath, std::filesystem::perms::owner_write, std::filesystem::perm_options::add, error);
    std::filesystem::remove(strPath, error);
}
