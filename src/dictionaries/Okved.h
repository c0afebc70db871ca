#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

class XmlDoc;

inline constexpr const char* kOkvedFileName = "Sp_OKVED2.xml";
// The first item of every level list, and what the picker answers while nothing is chosen.
inline constexpr std::string_view kOkvedNone = "нет";
inline constexpr int kOkvedLevels = 6;

struct OkvedEntry {
    std::string grup;  // level, "1" (section) to "6"
    std::string kod;   // hierarchical key: an entry belongs below every entry whose key begins its own
    std::string name;
    std::optional<std::string> okved;  // the code as the declaration receives it
};

// The activity-code classifier: one flat list of the root's children, in file order.
class OkvedDict {
public:
    OkvedDict() = default;
    // DictionaryError naming the file when it cannot be read or parsed.
    static OkvedDict Load(const std::string& path);
    static OkvedDict FromDoc(const XmlDoc& doc);

    const std::vector<OkvedEntry>& Entries() const { return m_entries; }

    // The entries of a level whose key begins with the given key (every entry of the level for
    // an empty key), in file order.
    std::vector<const OkvedEntry*> Below(std::string_view key, int level) const;
    // The first entry in file order with this name at this level.
    const OkvedEntry* FindEntry(std::string_view name, int level) const;

private:
    std::vector<OkvedEntry> m_entries;
};

// The six level lists of the activity-code picker and the choice made in them. Item 0 of every
// list is "нет"; item i > 0 of a list stands for its entry i - 1.
class OkvedChooser {
public:
    explicit OkvedChooser(const OkvedDict& dict);

    // Texts of the list of a level (1 to 6), "нет" first.
    std::vector<std::string> Items(int level) const;
    size_t ItemCount(int level) const;
    // The item a list shows; 0 ("нет") until the user chooses in it.
    size_t Shown(int level) const { return m_shown[Slot(level)]; }

    // The user chose item `item` of list `level`. A real entry becomes the chosen key (and its
    // code the answer, when it has one) and the lists below are refilled with the entries below
    // it; "нет" empties the lists below and keeps the choice.
    void Choose(int level, size_t item);
    // Chooses an entry of the dictionary as the user would, level by level down to it: the
    // lists show the path to the entry and its code becomes the answer.
    void ChooseEntry(const OkvedEntry& entry);

    const std::string& ChosenKey() const { return m_key; }
    // The text of the read-only code field, which is also the picker's answer.
    const std::string& Code() const { return m_code; }
    // "Да" closes the picker at once only for a key longer than three characters; otherwise the
    // length check below is asked first.
    bool KeyLongEnough() const;

private:
    static size_t Slot(int level);
    void ClearBelow(int level);

    const OkvedDict& m_dict;
    std::array<std::vector<const OkvedEntry*>, kOkvedLevels> m_lists;
    std::array<size_t, kOkvedLevels> m_shown{};
    std::string m_key;
    std::string m_code{kOkvedNone};
};

inline constexpr std::string_view kOkvedCheckTitle = "ОКВЭД";
inline constexpr std::string_view kOkvedShortKeyMessage =
    "Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку";

}  // namespace zizaza
