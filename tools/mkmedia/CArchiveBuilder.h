// CArchiveBuilder: packs files into an archive. Each file is encoded once
// into a spool file (deflate, or stored where deflate does not shrink it),
// so the sizes are known before the volumes are laid out; the volumes are
// then cut only inside member data, as the reader requires.
#pragma once

#include "CNamedFile.h"
#include "MultiFileEntryHeader.h"

#include <functional>
#include <string>
#include <vector>

struct CPackRequest
{
    std::string m_strSource;  // the file to pack
    std::string m_strName;    // member name (default: the source's file name)
    BOOL m_bStored = FALSE;   // store even when deflate would shrink it
    short m_nDestination = 0;
    BOOL m_bGivenAttributes = FALSE;
    WORD m_wAttributes = 0;
    BOOL m_bGivenTime = FALSE;
    LONG m_tModified = 0;
    std::string m_strNote;
};

// The member name a source file gets by default: its final component.
std::string MemberName(const std::string& strSource);

struct CPackedMember
{
    MultiFileEntryHeader m_header;
    long long m_nSpoolOffset = 0;
};

// Where each volume goes and how many bytes it may hold (volume header
// included); called with 0, 1, 2 ... as volumes are needed.
struct CVolumePlace
{
    std::string m_strPath;
    long long m_nCapacity;
};

class CArchiveBuilder
{
public:
    explicit CArchiveBuilder(const std::string& strSpoolPath);
    ~CArchiveBuilder();
    CArchiveBuilder(const CArchiveBuilder&) = delete;
    CArchiveBuilder& operator=(const CArchiveBuilder&) = delete;

    void Add(const CPackRequest& request);
    const std::vector<CPackedMember>& GetMembers() const { return m_members; }
    long long GetStreamSize() const;

    // The stream offsets at which volumes end, for volumes of the given
    // capacities; throws std::runtime_error when a volume is too small.
    std::vector<long long> PlanCuts(const std::function<long long(int)>& fnCapacity) const;
    // Writes the volumes; returns their paths.
    std::vector<std::string> Write(const std::vector<long long>& cuts,
                                   const std::function<std::string(int)>& fnVolumePath);

private:
    std::string m_strSpoolPath;
    CNamedFile m_spool;
    std::vector<CPackedMember> m_members;
};
