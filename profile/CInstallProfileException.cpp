#include "CInstallProfileException.h"

#include "resource.h"

namespace {
const CXErrorEntry kInstallProfileTable[] = {
    {-1, IDS_ERR_PROFILE, IDS_ERR_PROFILE_LONG},
};
}

IMPLEMENT_X_EXCEPTION(CInstallProfileException, kInstallProfileTable)
