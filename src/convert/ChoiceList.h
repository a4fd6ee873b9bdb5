#pragma once

#include <string>

namespace tolk {

/// A pick-only drop-down list as the list logic sees it: a list of texts with one current item
/// or none. Changes made through this interface are the program's own and never count as the
/// user's pick, so they never run a change handler.
class ChoiceList {
public:
    virtual ~ChoiceList() = default;

    /// Removes every item; no item is current afterwards.
    virtual void Clear() = 0;
    /// Appends an item at the end.
    virtual void Add(const std::string& text) = 0;
    virtual int Count() const = 0;
    /// The text of the item at the index, from 0 to Count() - 1.
    virtual std::string TextAt(int index) const = 0;
    /// The index of the current item, -1 when none is current.
    virtual int CurrentIndex() const = 0;
    /// Makes the item at the index current; -1 leaves no item current.
    virtual void SetCurrentIndex(int index) = 0;
};

} // namespace tolk
