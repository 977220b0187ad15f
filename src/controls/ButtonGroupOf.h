// A button group whose buttons are subclassed with one kind: button i uses
// object i of the kind.
#pragma once

#include "controls/ButtonGroup.h"

template <class Kind>
class ButtonGroupOf : public ButtonGroup {
public:
    explicit ButtonGroupOf(int pictureCount) : ButtonGroup(Kind::OBJECT_COUNT, pictureCount)
    {
        // Made first, so the subclass objects outlive the group at exit.
        Kind::Object(0);
    }
    ~ButtonGroupOf() override { UnsubclassAll(); }

    void SubclassAll() override
    {
        if (!m_Records)
            return;
        for (int i = 0; i < m_ButtonCount; ++i)
            Kind::Object(i).Attach(m_Records[i].window);
    }

    void UnsubclassAll() override
    {
        for (int i = 0; i < m_ButtonCount; ++i)
            Kind::Object(i).Attach(nullptr);
    }
};
