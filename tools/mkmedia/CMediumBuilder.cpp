#include "CMediumBuilder.h"

#include "ArchiveCommands.h"
#include "CManifest.h"
#include "ToolSupport.h"
#include "VolumeName.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

// Room for the volume header, one member header and some data: a volume
// that would start with less goes to the next diskette instead.
const long long kSmallestVolume = 4096;

std::string Lower(std::string strText)
{
    std::transform(strText.begin(), strText.end(), strText.begin(),
                   [](char ch) { return static_cast<char>(std::tolower(static_cast<unsigned char>(ch))); });
    return strText;
}

[[noreturn]] void Refuse(const std::string& strText)
{
    throw std::runtime_error("manifest refused: " + strText);
}

// Where one item of the manifest went.
struct CPlacement
{
    int m_nDiskette = 1;
    std::vector<long long> m_cuts;  // archives: where volumes end
    long long m_nSize = 0;          // what the file installs
    int m_nCount = 1;
};

class CMediumBuilder
{
public:
    CMediumBuilder(const std::string& strManifest, const std::string& strOutDir)
        : m_strOutDir(strOutDir)
    {
        m_manifest.Load(strManifest);
    }

    void Build()
    {
        Check();
        Pack();
        // The profile shares diskette 1 with the setup program; its size
        // depends on the layout, so lay out until the room kept for it holds.
        long long nReserve = 0;
        std::string strProfile;
        for (int nPass = 0; nPass < 4; ++nPass) {
            LayOut(nReserve);
            strProfile = MakeProfile();
            if (static_cast<long long>(strProfile.size()) <= nReserve)
                break;
            nReserve = static_cast<long long>(strProfile.size()) + 256;
        }
        if (static_cast<long long>(strProfile.size()) > nReserve)
            throw std::runtime_error("cannot lay out the diskettes");
        Write(strProfile);
        Verify(strProfile);
    }

private:
    void Check();
    void Pack();
    void LayOut(long long nReserve);
    std::string MakeProfile() const;
    void Write(const std::string& strProfile);
    void Verify(const std::string& strProfile);

    std::string DisketteDirectory(int nDiskette) const
    {
        if (m_manifest.m_nDisketteSize == 0)
            return m_strOutDir;
        char szName[16];
        std::snprintf(szName, sizeof szName, "DISK%02d", nDiskette);
        return JoinPath(m_strOutDir, szName);
    }
    std::string ProfileName() const
    {
        std::string strName = fs::path(m_manifest.m_strSetup).filename().string();
        size_t nDot = strName.rfind('.');
        return (nDot == std::string::npos ? strName : strName.substr(0, nDot)) + ".ini";
    }
    std::string VolumeName(const CManifestItem& item, int nVolume) const
    {
        CString strName = item.m_strName.c_str();
        for (int i = 0; i < nVolume; ++i)
            if (!MakeNextVolumeName(strName))
                Refuse("no name for volume " + std::to_string(i + 2) + " of " + item.m_strName);
        return static_cast<const char*>(strName);
    }

    CManifest m_manifest;
    std::string m_strOutDir;
    std::vector<std::unique_ptr<CArchiveBuilder>> m_builders;  // one per item; null for plain files
    std::vector<CPlacement> m_placements;
    std::vector<std::string> m_groupOrder;
};

void CMediumBuilder::Check()
{
    const CManifest& m = m_manifest;
    // Files left from an earlier medium would be taken for part of this one.
    if (fs::exists(m_strOutDir) && !fs::is_empty(m_strOutDir))
        Refuse(m_strOutDir + " is not empty; give a new or empty directory");
    if (m.m_strSetup.empty() || !fs::is_regular_file(m.m_strSetup))
        Refuse("[medium] setup must name the setup program (" + m.m_strSetup + ")");
    if (m.m_nDisketteSize != 0 && m.m_nDisketteSize < 2 * kSmallestVolume)
        Refuse("diskette-size is too small: " + std::to_string(m.m_nDisketteSize));

    // Destinations: every one must resolve to a directory at install time:
    // 0 is chosen by the user, -2 to -4 are the system's, others need a path
    // or a parent that resolves.
    std::map<long long, std::vector<std::string>> destinations;
    for (const CManifestLine& line : m.m_destinations) {
        long long nId = 0;
        if (!ParseInteger(line.m_strKey, -32768, 32767, nId) || nId == -1)
            Refuse("line " + std::to_string(line.m_nLine) + ": destination id must be a number other than -1: " + line.m_strKey);
        std::vector<std::string> fields = SplitFields(line.m_strValue);
        long long nParent = -1;
        if (fields.size() > 1 && !fields[1].empty() && !ParseInteger(fields[1], -32768, 32767, nParent))
            Refuse("line " + std::to_string(line.m_nLine) + ": parent of destination " + line.m_strKey + " must be a number");
        if (!destinations.emplace(nId, fields).second)
            Refuse("destination " + line.m_strKey + " is defined twice");
    }
    if (destinations.find(0) == destinations.end())
        Refuse("[destinations] must define destination 0, the install folder");
    auto fnResolves = [&](long long nId) {
        std::set<long long> seen;
        for (;;) {
            if (nId == 0 || nId == -2 || nId == -3 || nId == -4)
                return true;
            auto it = destinations.find(nId);
            if (it == destinations.end() || !seen.insert(nId).second)
                return false;
            const std::vector<std::string>& fields = it->second;
            if (fields.size() > 2 && !fields[2].empty())
                return true;
            long long nParent = -1;
            if (fields.size() < 2 || !ParseInteger(fields[1], -32768, 32767, nParent) || nParent == -1)
                return false;
            nId = nParent;
        }
    };
    for (const auto& destination : destinations)
        if (!fnResolves(destination.first))
            Refuse("destination " + std::to_string(destination.first) +
                   " cannot be resolved (no path, and no parent that leads to one)");
    auto fnCheckDestination = [&](long long nId, const std::string& strWhat) {
        if (nId != -1 && nId != -2 && nId != -3 && destinations.find(nId) == destinations.end())
            Refuse(strWhat + " names destination " + std::to_string(nId) + ", which [destinations] does not define");
    };

    for (const CManifestLine& line : m.m_diskettes) {
        long long n = 0;
        if (!ParseInteger(line.m_strKey, 1, 99, n))
            Refuse("line " + std::to_string(line.m_nLine) + ": diskette number must be 1 to 99: " + line.m_strKey);
    }

    std::set<std::string> groups;
    for (const CManifestLine& line : m.m_groups) {
        std::vector<std::string> fields = SplitFields(line.m_strValue);
        long long n = 0;
        if (fields.size() != 5 || !ParseInteger(fields[2], 0, 1, n) || !ParseInteger(fields[3], 0, 1, n) ||
            !ParseInteger(fields[4], 0, 1, n))
            Refuse("line " + std::to_string(line.m_nLine) + ": group " + line.m_strKey +
                   " needs text | text | type-1 | type-2 | type-3 (flags 0 or 1)");
        if (!groups.insert(line.m_strKey).second)
            Refuse("group " + line.m_strKey + " is defined twice");
        m_groupOrder.push_back(line.m_strKey);
    }

    std::set<std::string> mediumNames = {Lower(fs::path(m.m_strSetup).filename().string()), Lower(ProfileName())};
    std::set<std::string> installedNames;
    std::set<std::string> usedGroups;
    for (const CManifestItem& item : m.m_items) {
        std::string strWhere = "[" + std::string(item.m_bArchive ? "archive " : "file ") + item.m_strName + "]";
        if (!mediumNames.insert(Lower(item.m_strName)).second)
            Refuse(strWhere + ": a file of that name is already on the medium");
        if (groups.find(item.m_strGroup) == groups.end())
            Refuse(strWhere + ": group \"" + item.m_strGroup + "\" is not in [groups]");
        if (item.m_strText.find('|') != std::string::npos)
            Refuse(strWhere + ": text must not contain '|'");
        usedGroups.insert(item.m_strGroup);
        if (item.m_bArchive) {
            if (item.m_members.empty())
                Refuse(strWhere + ": an archive needs at least one member");
            for (const CPackRequest& member : item.m_members) {
                fnCheckDestination(member.m_nDestination, strWhere + " member " + member.m_strSource);
                if (!fs::is_regular_file(member.m_strSource))
                    Refuse(strWhere + ": no such file: " + member.m_strSource);
                installedNames.insert(Lower(MemberName(member.m_strSource)));
            }
        } else {
            fnCheckDestination(item.m_nDestination, strWhere);
            if (!fs::is_regular_file(item.m_strSource))
                Refuse(strWhere + ": no such file: " + item.m_strSource);
            installedNames.insert(Lower(item.m_strName));
        }
    }
    for (const std::string& strGroup : m_groupOrder)
        if (usedGroups.find(strGroup) == usedGroups.end())
            Refuse("group " + strGroup + " holds no file (its profile section would be missing)");
    for (const CManifestLine& line : m.m_targets) {
        if (SplitFields(line.m_strValue).size() != 6)
            Refuse("line " + std::to_string(line.m_nLine) + ": target " + line.m_strKey +
                   " needs icon index | number | minimized | title | arguments | icon file");
        if (installedNames.find(Lower(line.m_strKey)) == installedNames.end())
            Refuse("target " + line.m_strKey + " names no file that the medium installs");
    }
}

void CMediumBuilder::Pack()
{
    for (const CManifestItem& item : m_manifest.m_items) {
        CPlacement placement;
        if (item.m_bArchive) {
            auto pBuilder = std::make_unique<CArchiveBuilder>(MakeTempPath("spool"));
            for (const CPackRequest& member : item.m_members) {
                ReportProgress("packing " + member.m_strSource + " into " + item.m_strName);
                pBuilder->Add(member);
            }
            for (const CPackedMember& member : pBuilder->GetMembers())
                placement.m_nSize += member.m_header.dwExpandedSize;
            placement.m_nCount = static_cast<int>(item.m_members.size());
            m_builders.push_back(std::move(pBuilder));
        } else {
            placement.m_nSize = static_cast<long long>(fs::file_size(item.m_strSource));
            m_builders.push_back(nullptr);
        }
        m_placements.push_back(placement);
    }
}

void CMediumBuilder::LayOut(long long nReserve)
{
    long long nCapacity = m_manifest.m_nDisketteSize;
    int nDiskette = 1;
    long long nUsed = static_cast<long long>(fs::file_size(m_manifest.m_strSetup)) + nReserve;
    if (nCapacity != 0 && nUsed > nCapacity)
        Refuse("the setup program and the profile do not fit on diskette 1");
    for (size_t i = 0; i < m_manifest.m_items.size(); ++i) {
        const CManifestItem& item = m_manifest.m_items[i];
        CPlacement& placement = m_placements[i];
        placement.m_cuts.clear();
        if (nCapacity == 0) {
            placement.m_nDiskette = 1;
            continue;
        }
        if (!item.m_bArchive) {
            if (placement.m_nSize > nCapacity)
                Refuse("[file " + item.m_strName + "] is larger than a diskette; pack it into an archive");
            if (nUsed + placement.m_nSize > nCapacity) {
                ++nDiskette;
                nUsed = 0;
            }
            placement.m_nDiskette = nDiskette;
            nUsed += placement.m_nSize;
            continue;
        }
        if (nCapacity - nUsed < kSmallestVolume) {
            ++nDiskette;
            nUsed = 0;
        }
        long long nFirst = nCapacity - nUsed;
        placement.m_nDiskette = nDiskette;
        placement.m_cuts = m_builders[i]->PlanCuts([&](int nVolume) { return nVolume == 0 ? nFirst : nCapacity; });
        long long nLastStart = placement.m_cuts.empty() ? 0 : placement.m_cuts.back();
        long long nLastSize = VOLUME_HEADER_SIZE + m_builders[i]->GetStreamSize() - nLastStart;
        nDiskette += static_cast<int>(placement.m_cuts.size());
        nUsed = (placement.m_cuts.empty() ? nUsed : 0) + nLastSize;
    }
    if (nDiskette > 99)
        Refuse("the medium needs more than 99 diskettes");
}

std::string CMediumBuilder::MakeProfile() const
{
    std::ostringstream profile;
    auto fnSection = [&](const char* pszName, const std::vector<CManifestLine>& lines) {
        if (lines.empty())
            return;
        profile << "[" << pszName << "]\r\n";
        for (const CManifestLine& line : lines) {
            std::vector<std::string> fields = SplitFields(line.m_strValue);
            profile << line.m_strKey << "=" << fields[0];
            for (size_t i = 1; i < fields.size(); ++i)
                profile << "|" << fields[i];
            profile << "\r\n";
        }
        profile << "\r\n";
    };
    fnSection("destinations", m_manifest.m_destinations);
    fnSection("diskettes", m_manifest.m_diskettes);
    fnSection("groups", m_manifest.m_groups);
    fnSection("targets", m_manifest.m_targets);
    for (const std::string& strGroup : m_groupOrder) {
        profile << "[" << strGroup << "]\r\n";
        for (size_t i = 0; i < m_manifest.m_items.size(); ++i) {
            const CManifestItem& item = m_manifest.m_items[i];
            if (item.m_strGroup != strGroup)
                continue;
            const CPlacement& placement = m_placements[i];
            // A negative diskette: the archive runs on to the next diskette.
            int nDiskette = placement.m_cuts.empty() ? placement.m_nDiskette : -placement.m_nDiskette;
            profile << item.m_strName << "=" << placement.m_nSize << "|" << (item.m_bArchive ? 1 : 0) << "|"
                    << placement.m_nCount << "|" << nDiskette << "|" << (item.m_bArchive ? 0 : item.m_nDestination)
                    << "|" << item.m_strText << "\r\n";
        }
        profile << "\r\n";
    }
    return profile.str();
}

void CMediumBuilder::Write(const std::string& strProfile)
{
    std::string strFirst = DisketteDirectory(1);
    fs::create_directories(strFirst);
    fs::copy_file(m_manifest.m_strSetup, JoinPath(strFirst, fs::path(m_manifest.m_strSetup).filename().string()),
                  fs::copy_options::overwrite_existing);
    std::ofstream profile(JoinPath(strFirst, ProfileName()), std::ios::binary | std::ios::trunc);
    profile << strProfile;
    profile.close();
    if (!profile)
        throw std::runtime_error("cannot write the profile " + JoinPath(strFirst, ProfileName()));

    for (size_t i = 0; i < m_manifest.m_items.size(); ++i) {
        const CManifestItem& item = m_manifest.m_items[i];
        const CPlacement& placement = m_placements[i];
        if (!item.m_bArchive) {
            std::string strDirectory = DisketteDirectory(placement.m_nDiskette);
            fs::create_directories(strDirectory);
            ReportProgress("copying " + item.m_strSource);
            fs::copy_file(item.m_strSource, JoinPath(strDirectory, item.m_strName), fs::copy_options::overwrite_existing);
            continue;
        }
        m_builders[i]->Write(placement.m_cuts, [&](int nVolume) {
            std::string strDirectory = DisketteDirectory(placement.m_nDiskette + nVolume);
            fs::create_directories(strDirectory);
            std::string strPath = JoinPath(strDirectory, VolumeName(item, nVolume));
            ReportProgress("writing " + strPath);
            return strPath;
        });
    }
}

void CMediumBuilder::Verify(const std::string& strProfile)
{
    for (size_t i = 0; i < m_manifest.m_items.size(); ++i) {
        const CManifestItem& item = m_manifest.m_items[i];
        const CPlacement& placement = m_placements[i];
        std::string strPath = JoinPath(DisketteDirectory(placement.m_nDiskette), item.m_strName);
        if (!item.m_bArchive) {
            if (static_cast<long long>(fs::file_size(strPath)) != placement.m_nSize)
                throw std::runtime_error("check failed: " + strPath + " has the wrong size");
            continue;
        }
        CArchiveSummary summary;
        if (TestArchive(strPath, &summary) != 0)
            throw std::runtime_error("check failed: archive " + strPath + " does not read back");
        if (summary.m_nMembers != placement.m_nCount || summary.m_nExpanded != placement.m_nSize ||
            summary.m_nVolumes != static_cast<int>(placement.m_cuts.size()) + 1)
            throw std::runtime_error("check failed: archive " + strPath + " does not match its profile record");
    }
    if (m_manifest.m_nDisketteSize != 0) {
        for (const auto& entry : fs::directory_iterator(m_strOutDir)) {
            long long nTotal = 0;
            if (!entry.is_directory())
                continue;
            for (const auto& file : fs::directory_iterator(entry.path()))
                nTotal += static_cast<long long>(file.file_size());
            if (nTotal > m_manifest.m_nDisketteSize)
                throw std::runtime_error("check failed: " + entry.path().string() + " holds more than a diskette");
        }
    }
    std::ifstream profile(JoinPath(DisketteDirectory(1), ProfileName()), std::ios::binary);
    std::string strWritten((std::istreambuf_iterator<char>(profile)), std::istreambuf_iterator<char>());
    if (strWritten != strProfile)
        throw std::runtime_error("check failed: the profile does not read back");
    for (const std::string& strGroup : m_groupOrder)
        if (strWritten.find("\r\n[" + strGroup + "]\r\n") == std::string::npos)
            throw std::runtime_error("check failed: group " + strGroup + " has no section");
    ReportProgress("medium written to " + m_strOutDir + " and checked");
}

} // namespace

int BuildMedium(const std::string& strManifest, const std::string& strOutDir)
{
    CMediumBuilder builder(strManifest, strOutDir);
    builder.Build();
    return 0;
}
