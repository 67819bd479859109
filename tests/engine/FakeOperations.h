#pragma once
// In-memory widgets and clock for the engine tests: what a user would see (each list's entries and selection, the
// number, the two readings) and how often each list was cleared, not the calls that led there.
#include "engine/Operations.h"
#include "engine/Readings.h"

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

class FakeOperations : public Operations {
public:
    struct List {
        std::vector<std::string> entries;
        int selected = -1, clears = 0;
    };
    std::map<Widget, List> lists;
    std::map<Widget, std::string> texts;  // the number's caption and the two boxes
    std::function<Date()> clock;

    void ListAppend(Widget list, const std::string& text, int position) override
    {
        std::vector<std::string>& entries = lists[list].entries;
        if (position < 0 || position > static_cast<int>(entries.size())) throw std::out_of_range("append at " + text);
        entries.insert(entries.begin() + position, text);
    }
    void ListClear(Widget list) override { lists[list] = {{}, -1, lists[list].clears + 1}; }
    std::string ListText(Widget list) const override
    {
        const auto it = lists.find(list);
        return it == lists.end() || it->second.selected < 0 ? "" : it->second.entries[it->second.selected];
    }
    // Like the real list, there is nothing to select when no entry matches.
    void ListSelectByText(Widget list, const std::string& text) override
    {
        List& l = lists[list];
        const auto it = std::find(l.entries.begin(), l.entries.end(), text);
        if (it == l.entries.end()) throw std::invalid_argument("no entry " + text);
        l.selected = static_cast<int>(it - l.entries.begin());
    }
    void SetCaption(Widget label, const std::string& text) override { texts[label] = text; }
    void SetText(Widget box, const std::string& text) override { texts[box] = text; }
    Date Today() const override { return clock(); }

    // A list as a user reads it, its entries a range that counts up by one: "15 in 1-31".
    std::string Shown(Widget list)
    {
        const std::vector<std::string>& e = lists[list].entries;
        for (std::size_t i = 0; i < e.size(); ++i)
            if (e[i] != std::to_string(std::stoi(e[0]) + static_cast<int>(i))) return "entry " + e[i] + " out of order";
        return ListText(list) + " in " + (e.empty() ? "" : e.front() + "-" + e.back());
    }

    // The number, then the slots of the readings table its boxes show: "7 (7, 17)"; "-" for an empty caption or box.
    std::string Number()
    {
        const auto slot = [this](Widget box) -> std::string {
            for (int s = ReadingsTable::First; s <= ReadingsTable::Last && !texts[box].empty(); ++s)
                if (Module1::Readings[s] == texts[box]) return std::to_string(s);
            return texts[box].empty() ? "-" : "?";
        };
        const std::string& caption = texts[Widget::Label4];
        return (caption.empty() ? "-" : caption) + " (" + slot(Widget::Text1) + ", " + slot(Widget::Text2) + ")";
    }

    // The whole window: "2008 in 1876-2036, 3 in 1-12, 15 in 1-31 = 1 (1, 11)".
    std::string Window()
    {
        return Shown(Widget::Combo1) + ", " + Shown(Widget::Combo2) + ", " + Shown(Widget::Combo3) + " = " + Number();
    }
};
