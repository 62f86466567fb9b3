// String list operations.
#include "ui/string_list.h"

#include <stdexcept>

namespace ui {

const TClassInfo& TStrings::StaticClass() {
    PropInfo strings;
    strings.name = L"Strings";
    strings.kind = PropKind::StringList;
    strings.get_lines = [](TPersistent& o) { return static_cast<TStrings&>(o).Lines(); };
    strings.set_lines = [](TPersistent& o, const std::vector<std::wstring>& v) {
        static_cast<TStrings&>(o).SetLines(v);
    };
    static const TClassInfo info(L"TStrings", &TPersistent::StaticClass(), {strings});
    return info;
}

const TClassInfo& TStringList::StaticClass() {
    static const TClassInfo info(L"TStringList", &TStrings::StaticClass());
    return info;
}

void TStrings::Put(int index, const std::wstring& s) {
    Delete(index);
    Insert(index, s);
}

void TStrings::Clear() {
    for (int i = Count() - 1; i >= 0; --i)
        Delete(i);
}

int TStrings::Add(const std::wstring& s) {
    const int index = Count();
    Insert(index, s);
    return index;
}

int TStrings::IndexOf(std::wstring_view s) const {
    for (int i = 0; i < Count(); ++i)
        if (Get(i) == s) return i;
    return -1;
}

std::wstring TStrings::Text() const {
    std::wstring out;
    for (int i = 0; i < Count(); ++i)
        out += Get(i) + L"\r\n";
    return out;
}

void TStrings::SetText(const std::wstring& text) {
    SetLines(SplitLines(text));
}

std::vector<std::wstring> TStrings::Lines() const {
    std::vector<std::wstring> out;
    for (int i = 0; i < Count(); ++i)
        out.push_back(Get(i));
    return out;
}

void TStrings::SetLines(const std::vector<std::wstring>& lines) {
    Clear();
    for (const auto& l : lines)
        Add(l);
}

void CheckListIndex(int index, int count) {
    if (index < 0 || index >= count)
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

std::vector<std::wstring> SplitLines(std::wstring_view text) {
    std::vector<std::wstring> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' || text[i] == L'\n') {
            out.emplace_back(text.substr(start, i - start));
            if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) out.emplace_back(text.substr(start));
    return out;
}

std::wstring TStringList::Get(int index) const {
    CheckListIndex(index, Count());
    return items_[static_cast<std::size_t>(index)];
}

void TStringList::Put(int index, const std::wstring& s) {
    CheckListIndex(index, Count());
    items_[static_cast<std::size_t>(index)] = s;
}

void TStringList::Insert(int index, const std::wstring& s) {
    CheckListIndex(index, Count() + 1);
    items_.insert(items_.begin() + index, s);
}

void TStringList::Delete(int index) {
    CheckListIndex(index, Count());
    items_.erase(items_.begin() + index);
}

void TStringList::Clear() {
    items_ = std::vector<std::wstring>(); // the room too: a cleared list may have been long
}

} // namespace ui
