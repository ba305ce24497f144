#pragma once

class ViewBase;

// What a view asks of the document that shows it: to be let go when the view goes first.
// The view knows the document through this alone, so the two do not include each other.
class ViewHost {
public:
    virtual void RemoveView(ViewBase& view) = 0;

protected:
    ~ViewHost() = default;
};
