#pragma once

// Controls of one name addressed by index (a square number or a player).
// Only the indexes a window holds exist; asking for another gives nullptr,
// so code that reaches for a control the window does not have does nothing.

#include <map>
#include <vector>

namespace tycora::ui {

template<typename Control>
class ControlArray {
public:
    void add(int index, Control *control) { controls_[index] = control; }

    Control *operator()(int index) const
    {
        const auto it = controls_.find(index);
        return it == controls_.end() ? nullptr : it->second;
    }

    bool contains(int index) const { return controls_.count(index) != 0; }
    int count() const { return static_cast<int>(controls_.size()); }

    std::vector<int> indexes() const
    {
        std::vector<int> out;
        for (const auto &[i, c] : controls_)
            out.push_back(i);
        return out;
    }

    // Calls f(index, control) for every control, in index order.
    template<typename F>
    void forEach(F f) const
    {
        for (const auto &[i, c] : controls_)
            f(i, c);
    }

private:
    std::map<int, Control *> controls_;
};

} // namespace tycora::ui
