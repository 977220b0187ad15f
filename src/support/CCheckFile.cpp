#include "support/CCheckFile.h"

#include <vector>

#include "imaging/CFileManager.h"
#include "sticker/Catalogue.h"

namespace {

typedef std::vector<std::string> Group;

Group FromTable(int count, const std::string& (*name)(int))
{
    Group group;
    for (int k = 0; k < count; ++k)
        group.push_back(name(k));
    return group;
}

// In the order they are probed; the screens' own pictures each form a group
// of their own.
std::vector<Group> CheckedGroups()
{
    std::vector<Group> groups = {
        FromTable(NUMBEROFSTICKERPICTURES, StickerPictureName),
        FromTable(NUMBEROFPAGEBACKGROUNDS, PageBackgroundName),
        FromTable(NUMBEROFCOMMANDBUTTONPICTURES, CommandButtonPictureName),
        FromTable(NUMBEROFGROUPTABPICTURES, GroupTabPictureName),
        FromTable(NUMBEROFTRAYPICTURES, TrayPictureName),
    };
    const std::string singles[] = {
        "\\data004\\m0006.dat", "\\data004\\m0003.dat", "\\data004\\m0005.dat",
        "\\data004\\m0001.dat", "\\data004\\b0017.dat", CornerStripName(),
        "\\data004\\b0013.dat",
    };
    for (const std::string& name : singles)
        groups.push_back(Group{name});
    return groups;
}

} // namespace

CCheckFile::CCheckFile(const std::string& programFolder)
{
    for (const Group& group : CheckedGroups()) {
        for (const std::string& name : group) {
            const std::string fullPath = programFolder + name;
            // Opening for reading is the whole test.
            if (!CFileManager::CanOpenForReading(fullPath)) {
                m_Missing = 1;
                m_MissingPath = fullPath;
                return;
            }
        }
    }
}
