// The reading commands: list, test and extract an archive (all volumes).
// Each returns the program's exit status and names the first damage found.
#pragma once

#include <string>

int ListArchive(const std::string& strArchive);
// Writes every member into DIR under its final name only: a member can
// never land outside DIR.
int ExtractArchive(const std::string& strArchive, const std::string& strDirectory);

struct CArchiveSummary
{
    int m_nMembers = 0;
    long long m_nExpanded = 0;
    int m_nVolumes = 0;
};
// Decodes and checks every member. With a summary, it is filled in and
// nothing is printed on success.
int TestArchive(const std::string& strArchive, CArchiveSummary* pSummary = nullptr);
