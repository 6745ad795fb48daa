#include "CManifest.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace {

std::string Trim(const std::string& strText)
{
    size_t nFirst = strText.find_first_not_of(" \t\r\n");
    if (nFirst == std::string::npos)
        return std::string();
    size_t nLast = strText.find_last_not_of(" \t\r\n");
    return strText.substr(nFirst, nLast - nFirst + 1);
}

std::string Relative(const std::string& strBase, const std::string& strPath)
{
    bool bAbsolute = !strPath.empty() && (strPath[0] == '/' || strPath[0] == '\\' ||
                                          (strPath.size() > 1 && strPath[1] == ':'));
    return bAbsolute || strBase.empty() ? strPath : strBase + strPath;
}

[[noreturn]] void Fail(int nLine, const std::string& strText)
{
    throw std::runtime_error("manifest line " + std::to_string(nLine) + ": " + strText);
}

} // namespace

std::vector<std::string> SplitFields(const std::string& strValue)
{
    std::vector<std::string> fields;
    size_t nStart = 0;
    for (;;) {
        size_t nBar = strValue.find('|', nStart);
        fields.push_back(Trim(strValue.substr(nStart, nBar == std::string::npos ? std::string::npos : nBar - nStart)));
        if (nBar == std::string::npos)
            return fields;
        nStart = nBar + 1;
    }
}

bool ParseInteger(const std::string& strText, long long nMin, long long nMax, long long& nValue)
{
    char* pEnd = nullptr;
    nValue = std::strtoll(strText.c_str(), &pEnd, 10);
    return !strText.empty() && *pEnd == '\0' && nValue >= nMin && nValue <= nMax;
}

void CManifest::Load(const std::string& strPath)
{
    std::ifstream input(strPath, std::ios::binary);
    if (!input)
        throw std::runtime_error("cannot read the manifest " + strPath);
    size_t nSlash = strPath.find_last_of("/\\");
    std::string strBase = nSlash == std::string::npos ? std::string() : strPath.substr(0, nSlash + 1);

    std::string strSection;
    std::vector<CManifestLine>* pLines = nullptr;
    CManifestItem* pItem = nullptr;
    std::string strLine;
    for (int nLine = 1; std::getline(input, strLine); ++nLine) {
        strLine = Trim(strLine);
        if (strLine.empty() || strLine[0] == ';' || strLine[0] == '#')
            continue;
        if (strLine[0] == '[') {
            if (strLine.back() != ']')
                Fail(nLine, "a section name must end with ']'");
            strSection = Trim(strLine.substr(1, strLine.size() - 2));
            pLines = nullptr;
            pItem = nullptr;
            if (strSection == "destinations")
                pLines = &m_destinations;
            else if (strSection == "diskettes")
                pLines = &m_diskettes;
            else if (strSection == "groups")
                pLines = &m_groups;
            else if (strSection == "targets")
                pLines = &m_targets;
            else if (strSection.compare(0, 8, "archive ") == 0 || strSection.compare(0, 5, "file ") == 0) {
                CManifestItem item;
                item.m_bArchive = strSection[0] == 'a';
                item.m_strName = Trim(strSection.substr(item.m_bArchive ? 8 : 5));
                item.m_nLine = nLine;
                if (item.m_strName.empty() || item.m_strName.find_first_of("/\\:|=") != std::string::npos)
                    Fail(nLine, "not a file name for the medium: " + item.m_strName);
                m_items.push_back(item);
                pItem = &m_items.back();
            } else if (strSection != "medium")
                Fail(nLine, "unknown section [" + strSection + "]");
            continue;
        }
        size_t nEqual = strLine.find('=');
        if (nEqual == std::string::npos || strSection.empty())
            Fail(nLine, "expected \"key = value\" inside a section");
        CManifestLine line;
        line.m_strKey = Trim(strLine.substr(0, nEqual));
        line.m_strValue = Trim(strLine.substr(nEqual + 1));
        line.m_nLine = nLine;
        if (line.m_strKey.empty())
            Fail(nLine, "empty key");
        long long n = 0;
        if (pLines != nullptr) {
            pLines->push_back(line);
        } else if (pItem == nullptr) {
            if (line.m_strKey == "setup")
                m_strSetup = Relative(strBase, line.m_strValue);
            else if (line.m_strKey == "diskette-size" && ParseInteger(line.m_strValue, 0, 0x7FFFFFFF, n))
                m_nDisketteSize = n;
            else
                Fail(nLine, "unknown or bad [medium] line: " + line.m_strKey);
        } else if (line.m_strKey == "group") {
            pItem->m_strGroup = line.m_strValue;
        } else if (line.m_strKey == "text") {
            pItem->m_strText = line.m_strValue;
        } else if (!pItem->m_bArchive && line.m_strKey == "source") {
            pItem->m_strSource = Relative(strBase, line.m_strValue);
        } else if (!pItem->m_bArchive && line.m_strKey == "destination") {
            if (!ParseInteger(line.m_strValue, -32768, 32767, n))
                Fail(nLine, "destination must be a number: " + line.m_strValue);
            pItem->m_nDestination = static_cast<short>(n);
        } else if (pItem->m_bArchive && line.m_strKey == "member") {
            std::vector<std::string> fields = SplitFields(line.m_strValue);
            CPackRequest request;
            request.m_strSource = Relative(strBase, fields[0]);
            if (fields[0].empty())
                Fail(nLine, "member without a source file");
            if (fields.size() > 1 && !ParseInteger(fields[1], -32768, 32767, n))
                Fail(nLine, "member destination must be a number: " + fields[1]);
            request.m_nDestination = fields.size() > 1 ? static_cast<short>(n) : 0;
            if (fields.size() > 2 && fields[2] != "deflate" && fields[2] != "stored")
                Fail(nLine, "member method must be deflate or stored: " + fields[2]);
            request.m_bStored = fields.size() > 2 && fields[2] == "stored";
            request.m_strNote = fields.size() > 3 ? fields[3] : std::string();
            pItem->m_members.push_back(request);
        } else {
            Fail(nLine, "unknown line in [" + strSection + "]: " + line.m_strKey);
        }
    }
}
