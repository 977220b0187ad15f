// Objects that callers test before use; a failed test is reported through
// DoAssert and the caller goes on.
#pragma once

class CValidatable {
public:
    virtual bool IsValid() = 0;

protected:
    ~CValidatable() = default;
};
