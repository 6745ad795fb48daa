#include "ShouldReplace.h"

#include "CFileVersion.h"

namespace
{
BOOL LoadVersion(CFileVersion& version, const CFilePath& path)
{
    VS_FIXEDFILEINFO info;
    return version.LoadVersionInfo(path.GetPath()) && version.GetFixedInfo(info);
}
}

BOOL ShouldReplace(const CFilePath& pathNew, const CFilePath& pathExisting)
{
    CFileVersion versionExisting;
    CFileVersion versionNew;
    const BOOL bExistingHasVersion = LoadVersion(versionExisting, pathExisting);
    const BOOL bNewHasVersion = LoadVersion(versionNew, pathNew);
    if (bExistingHasVersion != bNewHasVersion)
        return bNewHasVersion;
    if (bNewHasVersion)
        return versionNew.IsNewerThan(versionExisting);

    LONGLONG nTimeNew = 0;
    LONGLONG nTimeExisting = 0;
    pathNew.GetModificationTime(nTimeNew);
    pathExisting.GetModificationTime(nTimeExisting);
    return nTimeNew > nTimeExisting;
}
