// The page files: a header ("MORVEN04", 1024), then one 20-byte record per
// sticker (index, x, y, depth, mirrored) until the end. A page with no
// stickers is the header alone. The ledger carries the same text and number
// after its own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "persist/Serializer.h"

class DeSerializer;

const char VERSION_TEXT[] = "MORVEN04";
const int32_t VER_NUMBER = 1024;

inline void PutPageHeader(Serializer& out)
{
    out.PutString(VERSION_TEXT);
    out.PutLong(VER_NUMBER);
}

// A sticker as its page file keeps it.
struct PageRecord {
    long index;
    int x;
    int y;
    int depth;
    bool mirrored;
};

// The stickers of a page file that could have been stuck on that page (page
// index 0 or 1): each at most once, on its own page and exactly at its
// place, as the program only ever puts them. Others are damage and skipped.
// Reading ends at the end of the file or at a record cut short (not
// returned; its failure is traced). Throws for a refused header.
std::vector<PageRecord> ReadPageRecords(DeSerializer& in, int page);
// The header, then the records in order. False (quietly) when the file could
// not be replaced; it is then as it was.
bool WritePageRecords(const std::string& path, const std::vector<PageRecord>& records);
