// The persistence interface of every object that writes itself as records.
#pragma once

class Serializer;
class DeSerializer;

class CSerializable {
public:
    // Puts the object's records, in the order DeSerialize gets them back.
    virtual void Serialize(Serializer& out) = 0;
    virtual void DeSerialize(DeSerializer& in) = 0;
    virtual ~CSerializable() = default;
};
