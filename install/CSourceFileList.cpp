#include "CSourceFileList.h"

IMPLEMENT_DYNAMIC(CSourceFileList, CPtrList)

CSourceFileList::~CSourceFileList()
{
    POSITION position = GetHeadPosition();
    while (position != nullptr)
        delete static_cast<CSourceFile*>(GetNext(position));
}
