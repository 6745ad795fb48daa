// CManifest: the medium builder's description of a distribution medium, a
// text of sections and "key = value" lines (see the README):
//
//   [medium]        setup = PATH, diskette-size = BYTES (0 or absent: flat)
//   [destinations]  id = name | parent id | path        (as in the profile)
//   [diskettes]     number = label | second text
//   [groups]        name = text | text | type-1 | type-2 | type-3
//   [targets]       file = icon index | number | minimized | title | arguments | icon file
//   [archive NAME]  group = G, text = T, member = SOURCE | DEST [| deflate|stored [| NOTE]] ...
//   [file NAME]     group = G, text = T, source = PATH, destination = ID
//
// Lines starting with ';' or '#' are comments. Relative paths are taken from
// the manifest's directory.
#pragma once

#include "CArchiveBuilder.h"

#include <string>
#include <vector>

struct CManifestLine
{
    std::string m_strKey;
    std::string m_strValue;
    int m_nLine = 0;
};

struct CManifestItem
{
    bool m_bArchive = false;
    std::string m_strName;  // the file's name on the medium
    std::string m_strGroup;
    std::string m_strText;
    std::string m_strSource;  // a plain file
    short m_nDestination = 0;
    std::vector<CPackRequest> m_members;  // an archive
    int m_nLine = 0;
};

class CManifest
{
public:
    // Throws std::runtime_error naming the line of the first problem.
    void Load(const std::string& strPath);

    std::string m_strSetup;
    long long m_nDisketteSize = 0;
    std::vector<CManifestLine> m_destinations;
    std::vector<CManifestLine> m_diskettes;
    std::vector<CManifestLine> m_groups;
    std::vector<CManifestLine> m_targets;
    std::vector<CManifestItem> m_items;
};

// "a | b|c" gives "a", "b", "c" (blanks around each field removed).
std::vector<std::string> SplitFields(const std::string& strValue);
// A whole decimal number in range, or false.
bool ParseInteger(const std::string& strText, long long nMin, long long nMax, long long& nValue);
