// The file list: one CSourceFile per source file of every group, in install
// order. It owns its records; whatever is placed in it is deleted with it.
#pragma once

#include "CPtrList.h"
#include "CSourceFile.h"

class CSourceFileList : public CPtrList
{
    DECLARE_DYNAMIC(CSourceFileList)
public:
    CSourceFileList() = default;
    ~CSourceFileList() override;
};
