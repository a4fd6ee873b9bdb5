#pragma once

#include "convert/ChoiceList.h"

#include <string>
#include <vector>

namespace tolk::testing {

/// A drop-down list in memory. Like a real box, it starts with its design items and no
/// current item.
class FakeChoiceList : public ChoiceList {
public:
    explicit FakeChoiceList(std::vector<std::string> designItems = {})
        : items(std::move(designItems)) {}

    void Clear() override {
        items.clear();
        current = -1;
    }
    void Add(const std::string& text) override { items.push_back(text); }
    int Count() const override { return static_cast<int>(items.size()); }
    std::string TextAt(int index) const override {
        return items.at(static_cast<std::size_t>(index));
    }
    int CurrentIndex() const override { return current; }
    void SetCurrentIndex(int index) override { current = index; }

    std::vector<std::string> items;
    int current = -1;
};

} // namespace tolk::testing
