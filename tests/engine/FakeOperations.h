#pragma once
// In-memory widgets and clock for the engine tests. Records what a user
// would see (entries, selection, captions, texts) and the order of events.
#include "Operations.h"

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
    // What ShowNumber saw and wrote: the list texts at the moment of the caption.
    struct Shown {
        std::string year, month, day, caption;
    };

    std::map<Widget, List> lists;
    std::map<Widget, std::string> texts;  // captions and text boxes
    std::vector<std::string> events;      // "select Combo2 4", "clear Combo3", "caption 7"
    std::vector<Shown> shown;
    std::function<Date()> clock = [] { return Date{2026, 3, 15}; };

    void ListAppend(Widget list, const std::string& text, int position) override
    {
        List& l = lists[list];
        if (position < 0 || position > static_cast<int>(l.entries.size()))
            throw std::out_of_range("append position " + std::to_string(position));
        l.entries.insert(l.entries.begin() + position, text);
        if (l.selected >= position) ++l.selected;
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

    void ListSelectByText(Widget list, const std::string& text) override
    {
        List& l = lists[list];
        for (std::size_t i = 0; i < l.entries.size(); ++i) {
            if (l.entries[i] == text) {
                l.selected = static_cast<int>(i);
                events.push_back("select " + Name(list) + " " + text);
                return;
            }
        }
        throw std::invalid_argument("no entry '" + text + "' in " + Name(list));
    }

    void SetCaption(Widget label, const std::string& text) override
    {
        texts[label] = text;
        events.push_back("caption " + text);
        shown.push_back({ListText(Widget::Combo1), ListText(Widget::Combo2),
                         ListText(Widget::Combo3), text});
    }

    void SetText(Widget textBox, const std::string& text) override { texts[textBox] = text; }

    Date Today() const override { return clock(); }


    const std::vector<std::string>& Entries(Widget list) { return lists[list].entries; }

    static std::string Name(Widget w)
    {
        switch (w) {
        case Widget::Combo1: return "Combo1";
        case Widget::Combo2: return "Combo2";
        case Widget::Combo3: return "Combo3";
        case Widget::Label4: return "Label4";
        case Widget::Text1: return "Text1";
        case Widget::Text2: return "Text2";
        }
        return "?";
    }
};

// Entries "first".."last" as the lists hold them.
inline std::vector<std::string> NumberTexts(int first, int last)
{
    std::vector<std::string> out;
    for (int i = first; i <= last; ++i) out.push_back(std::to_string(i));
    return out;
}
