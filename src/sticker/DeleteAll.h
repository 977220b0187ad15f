// Empties both page files, for clear-all and for a reset of the ledger.
#pragma once

#include <string>

#include "sticker/CValidatable.h"

class DeleteAll : public CValidatable {
public:
    DeleteAll();
    ~DeleteAll();
    DeleteAll(const DeleteAll&) = delete;
    DeleteAll& operator=(const DeleteAll&) = delete;

    // True while a DeleteAll exists.
    bool IsValid() override;
    // Page index 0, then 1.
    void ClearPages();
    void ClearPageFile(const std::string& name);
    // 1 when written; a failure leaves the file as it was.
    int WriteEmptyPage(const std::string& path);

private:
    static int ms_Alive;
};
