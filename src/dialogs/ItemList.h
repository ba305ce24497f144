#pragma once

#include <cstddef>

// One of the plan's item lists as the item editor pages through it: the items, and a draft of
// one that the fields are bound to. The editor knows the list through this alone, so that it
// does not depend on the editors of each kind of item that build on it.
class ItemList {
public:
    virtual std::size_t Count() const = 0;
    virtual void Insert(std::size_t index) = 0;
    virtual void Erase(std::size_t index) = 0;
    // Copies the stored item into the draft, and back.
    virtual void Load(std::size_t index) = 0;
    virtual void Store(std::size_t index) = 0;

protected:
    ~ItemList() = default;
};
