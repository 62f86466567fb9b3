// String lists: the abstract list (items of list boxes and combo boxes, lines of memos keep
// their text in their window) and the plain in-memory list.
#pragma once
#include "ui/persistent.h"

#include <string>
#include <vector>

namespace ui {

class TStrings : public TPersistent {
public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    virtual int Count() const = 0;
    virtual std::wstring Get(int index) const = 0;
    virtual void Put(int index, const std::wstring& s);
    virtual void Insert(int index, const std::wstring& s) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear();
    // Appends; the index it went to.
    virtual int Add(const std::wstring& s);
    int IndexOf(std::wstring_view s) const;

    // Lines joined, each followed by CR LF.
    virtual std::wstring Text() const;
    // Split at CR LF, lone CR or lone LF; a final line break adds no empty line.
    virtual void SetText(const std::wstring& text);
    std::vector<std::wstring> Lines() const;
    virtual void SetLines(const std::vector<std::wstring>& lines);
    void Assign(const TStrings& other) { SetLines(other.Lines()); }
};

class TStringList : public TStrings {
public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    int Count() const override { return static_cast<int>(items_.size()); }
    std::wstring Get(int index) const override;
    void Put(int index, const std::wstring& s) override;
    void Insert(int index, const std::wstring& s) override;
    void Delete(int index) override;
    void Clear() override;

private:
    std::vector<std::wstring> items_;
};

// Throws std::out_of_range unless 0 <= index < count: every list reports a bad index alike.
void CheckListIndex(int index, int count);

// Splits text into lines the way string lists do.
std::vector<std::wstring> SplitLines(std::wstring_view text);

} // namespace ui
