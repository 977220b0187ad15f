// The constant tables of picture and save-file names. Every name is relative
// (it begins with a backslash) and is appended to the program folder.
// Sticker index i = 28 x group + position (see PlaceTable.h).
#pragma once

#include <string>

#include "sticker/PlaceTable.h"

const int NUMBEROFTRAYPICTURES = NUMBEROFSTICKERGRAPHICS;
// Every tray sticker can be taken, so every one has its sticker picture.
const int NUMBEROFSTICKERPICTURES = NUMBEROFSTICKERGRAPHICS;
const int NUMBEROFGROUPTABPICTURES = 8;
const int NUMBEROFCOMMANDBUTTONPICTURES = 6;
const int NUMBEROFPAGEBACKGROUNDS = 2;
const int NUMBEROFSAVENAMES = 3;

// Entries of the save-name table.
const int SAVE_PAGE01 = 0;
const int SAVE_PAGE02 = 1;
const int SAVE_STICKERSUSED = 2;

// "\data004\bGGNN.dat": the face of sticker i's tray button.
const std::string& TrayPictureName(int stickerIndex);
// "\data004\sGGNN.dat": the picture of sticker i's sprite.
const std::string& StickerPictureName(int stickerIndex);
// "\data004\b0004.dat" ... "\data004\b0011.dat", group 0 to 7.
const std::string& GroupTabPictureName(int group);
// For the command buttons 1001 to 1006, k = 0 to 5.
const std::string& CommandButtonPictureName(int k);
// "\data004\p0001.dat", "\data004\p0002.dat", page index 0 or 1.
const std::string& PageBackgroundName(int page);
// "\data004\m0002.dat": the four corner pieces of the page.
const std::string& CornerStripName();
// "\save004\page01.sav", "\save004\page02.sav", "\save004\page00.sav".
const std::string& SaveName(int k);
