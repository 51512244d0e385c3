#include "tests/wine/dialog_template.h"

#include <cstring>

namespace lunea::test {
namespace {

// Reads the template's words in order; a name or an ordinal is 0xFFFF and a
// number, or a string ending in a zero word.
class TemplateReader {
  public:
    TemplateReader(const BYTE* begin, std::size_t size)
        : begin_(begin), at_(begin), end_(begin + size) {}

    bool Good() const { return at_ <= end_; }
    template <typename T> T Take() {
        T value{};
        if (at_ + sizeof value <= end_)
            std::memcpy(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    // The ordinal, or 0 for a string (skipped).
    WORD TakeNameOrOrdinal() {
        const WORD first = Take<WORD>();
        if (first == 0xFFFF)
            return Take<WORD>();
        for (WORD c = first; c != 0 && Good(); c = Take<WORD>()) {
        }
        return 0;
    }
    void AlignToDword() {
        while ((at_ - begin_) % 4 != 0)
            ++at_;
    }
    void Skip(std::size_t bytes) { at_ += bytes; }

  private:
    const BYTE* begin_;
    const BYTE* at_;
    const BYTE* end_;
};

} // namespace

std::vector<DialogItem> DialogItems(HMODULE module, int id) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5)); // RT_DIALOG
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!bytes)
        return {};
    TemplateReader reader(bytes, SizeofResource(module, found));
    const DWORD style = reader.Take<DWORD>();
    if (HIWORD(style) == 0xFFFF) // DLGTEMPLATEEX
        return {};
    reader.Take<DWORD>(); // extended style
    const WORD count = reader.Take<WORD>();
    reader.Skip(4 * sizeof(short));
    reader.TakeNameOrOrdinal(); // menu
    reader.TakeNameOrOrdinal(); // class
    reader.TakeNameOrOrdinal(); // caption
    if (style & DS_SETFONT) {
        reader.Take<WORD>();
        reader.TakeNameOrOrdinal(); // typeface
    }
    std::vector<DialogItem> items;
    for (WORD i = 0; i < count && reader.Good(); ++i) {
        reader.AlignToDword();
        DialogItem item;
        item.style = reader.Take<DWORD>();
        reader.Take<DWORD>(); // extended style
        item.x = reader.Take<short>();
        item.y = reader.Take<short>();
        item.cx = reader.Take<short>();
        item.cy = reader.Take<short>();
        reader.Take<WORD>();        // id
        reader.TakeNameOrOrdinal(); // class
        item.titleId = reader.TakeNameOrOrdinal();
        reader.Skip(reader.Take<WORD>()); // creation data
        items.push_back(item);
    }
    return reader.Good() ? items : std::vector<DialogItem>();
}

} // namespace lunea::test
