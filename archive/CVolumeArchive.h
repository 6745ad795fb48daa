// CVolumeArchive: an archive reader that follows a member continued on the
// next volume by itself, without asking anybody: the next volume is looked
// for beside the current one, then in the next numbered diskette directory.
// The medium builder's list, test and extract read archives with it.
#pragma once

#include "CMultiFileArchive.h"

class CVolumeArchive : public CMultiFileArchive
{
    DECLARE_DYNAMIC(CVolumeArchive)
public:
    CVolumeArchive();
    ~CVolumeArchive() override;

    // Reads past the member's stored data (across volumes), checksumming it
    // into m_crc; FALSE when the archive ended before all of it was there.
    BOOL Skip(CMultiFileEntry* pEntry);
    BOOL OnVolumeEnd() override;

    // How many volume files this archive has opened so far.
    int GetVolumeCount() const { return m_nVolumes; }

private:
    int m_nVolumes;
};
