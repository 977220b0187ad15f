#include "sticker/DeleteAll.h"

#include "imaging/CFileManager.h"
#include "sticker/Catalogue.h"
#include "sticker/PageFile.h"

int DeleteAll::ms_Alive = 0;

DeleteAll::DeleteAll()
{
    ms_Alive = 1;
}

DeleteAll::~DeleteAll()
{
    ms_Alive = 0;
}

bool DeleteAll::IsValid()
{
    return ms_Alive != 0;
}

void DeleteAll::ClearPages()
{
    ClearPageFile(SaveName(SAVE_PAGE01));
    ClearPageFile(SaveName(SAVE_PAGE02));
}

void DeleteAll::ClearPageFile(const std::string& name)
{
    std::string path;
    CFileManager::GetFullPath(path, name);
    WriteEmptyPage(path);
}

int DeleteAll::WriteEmptyPage(const std::string& path)
{
    return WritePageRecords(path, {}) ? 1 : 0;
}
