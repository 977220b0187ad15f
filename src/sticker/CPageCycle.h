// Which of the book's two pages is shown.
#pragma once

class CPageCycle {
public:
    static constexpr int PAGE_COUNT = 2;

    void NextPage();
    void PreviousPage();

    int CurrentPage = 0;
};

extern CPageCycle PageCycle;
