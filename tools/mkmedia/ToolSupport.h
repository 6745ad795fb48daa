// Small helpers of the medium builder: messages for caught exceptions,
// progress lines, paths and temporary files.
#pragma once

#include "CException.h"

#include <string>

// A plain-English sentence for any exception the archive classes raise.
std::string DescribeException(const CException* e);

// Progress lines on the standard error; quiet turns them off.
void SetQuiet(bool bQuiet);
void ReportProgress(const std::string& strLine);

// DIR joined with NAME by the platform's separator.
std::string JoinPath(const std::string& strDirectory, const std::string& strName);
// A fresh, unused file name in the system's temporary directory.
std::string MakeTempPath(const char* pszPurpose);
// Removes a file even when it is read-only; no error when it is missing.
void RemoveFile(const std::string& strPath);
