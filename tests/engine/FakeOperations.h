#pragma once
// In-memory widgets and clock for the engine tests. Keeps the lists as a user
// would see them and records every other call, in order, as a line of text.
#include "engine/Operations.h"

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
        int selected = -1;
    };

    std::map<Widget, List> lists;
    // "select Combo2 4", "clear Combo3", "Label4 7", "Text1 <the text>"
    std::vector<std::string> events;
    std::function<Date()> clock = [] { return Date{2026, 3, 15}; };

    void ListAppend(Widget list, const std::string& text, int position) override
    {
        std::vector<std::string>& entries = lists[list].entries;
        if (position < 0 || position > static_cast<int>(entries.size()))
            throw std::out_of_range("append at " + std::to_string(position) + " in " + Name(list));
        entries.insert(entries.begin() + position, text);
    }

    void ListClear(Widget list) override
    {
        lists[list] = List{};
        events.push_back("clear " + Name(list));
    }

    std::string ListText(Widget list) const override
    {
        const auto it = lists.find(list);
        if (it == lists.end() || it->second.selected < 0) return "";
        return it->second.entries[static_cast<std::size_t>(it->second.selected)];
    }

    // Like the real list, there is nothing to select when no entry matches.
    void ListSelectByText(Widget list, const std::string& text) override
    {
        List& l = lists[list];
        const auto it = std::find(l.entries.begin(), l.entries.end(), text);
        if (it == l.entries.end()) throw std::invalid_argument("no entry '" + text + "' in " + Name(list));
        l.selected = static_cast<int>(it - l.entries.begin());
        events.push_back("select " + Name(list) + " " + text);
    }

    void SetCaption(Widget label, const std::string& text) override { events.push_back(Name(label) + " " + text); }
    void SetText(Widget box, const std::string& text) override { events.push_back(Name(box) + " " + text); }
    Date Today() const override { return clock(); }

    const std::vector<std::string>& Entries(Widget list) { return lists[list].entries; }

    static std::string Name(Widget w)
    {
        static const char* const names[] = {"Combo1", "Combo2", "Combo3", "Label4", "Text1", "Text2"};
        return names[static_cast<int>(w)];
    }
};
