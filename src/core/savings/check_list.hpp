// A check-list box: item texts with a tick each (the plan list CPlanos).
#pragma once

#include <string>
#include <vector>

namespace corvana::savings {

struct CheckList {
    struct Item {
        std::string text;
        bool checked = false;
        bool operator==(const Item&) const = default;
    };
    std::vector<Item> items;

    int count() const { return static_cast<int>(items.size()); }
    void clear() { items.clear(); }
    void add(const std::string& text) { items.push_back({text, false}); }
    bool checked(int i) const { return i >= 0 && i < count() && items[i].checked; }
    void setChecked(int i, bool on) {
        if (i >= 0 && i < count()) items[i].checked = on;
    }
    bool operator==(const CheckList&) const = default;
};

}  // namespace corvana::savings
