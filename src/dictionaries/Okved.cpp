#include "dictionaries/Okved.h"

#include "dictionaries/XmlDoc.h"
#include "storage/TextCodec.h"

#include <algorithm>
#include <stdexcept>

namespace zizaza {

OkvedDict OkvedDict::Load(const std::string& path) {
    return FromDoc(XmlDoc::ParseFile(path));
}

OkvedDict OkvedDict::FromDoc(const XmlDoc& doc) {
    OkvedDict dict;
    for (xmlNode* node : ChildElements(doc.Root()))
        dict.m_entries.push_back({AttributeOr(node, "GRUP"), AttributeOr(node, "Kod"), AttributeOr(node, "Name"),
                                  GetAttribute(node, "OKVED")});
    return dict;
}

std::vector<const OkvedEntry*> OkvedDict::Below(std::string_view key, int level) const {
    const std::string grup = std::to_string(level);
    std::vector<const OkvedEntry*> out;
    for (const OkvedEntry& e : m_entries)
        if (e.grup == grup && std::string_view(e.kod).starts_with(key))
            out.push_back(&e);
    return out;
}

const OkvedEntry* OkvedDict::FindEntry(std::string_view name, int level) const {
    const std::string grup = std::to_string(level);
    for (const OkvedEntry& e : m_entries)
        if (e.grup == grup && e.name == name)
            return &e;
    return nullptr;
}

OkvedChooser::OkvedChooser(const OkvedDict& dict) : m_dict(dict) {
    m_lists[0] = dict.Below({}, 1);
}

size_t OkvedChooser::Slot(int level) {
    if (level < 1 || level > kOkvedLevels)
        throw std::out_of_range("OKVED level out of range");
    return static_cast<size_t>(level - 1);
}

std::vector<std::string> OkvedChooser::Items(int level) const {
    std::vector<std::string> items{std::string(kOkvedNone)};
    for (const OkvedEntry* e : m_lists[Slot(level)])
        items.push_back(e->name);
    return items;
}

size_t OkvedChooser::ItemCount(int level) const {
    return m_lists[Slot(level)].size() + 1;
}

void OkvedChooser::ClearBelow(int level) {
    for (int j = level + 1; j <= kOkvedLevels; ++j) {
        m_lists[Slot(j)].clear();
        m_shown[Slot(j)] = 0;
    }
}

void OkvedChooser::Choose(int level, size_t item) {
    const size_t slot = Slot(level);
    if (item >= ItemCount(level))
        throw std::out_of_range("OKVED item out of range");
    m_shown[slot] = item;
    // "нет" in a list that offers nothing else changes nothing.
    if (item == 0 && m_lists[slot].empty())
        return;
    ClearBelow(level);
    if (item == 0)
        return;
    // The item itself identifies the entry, so two entries of one level with the same name
    // cannot be confused.
    const OkvedEntry* entry = m_lists[slot][item - 1];
    m_key = entry->kod;
    if (entry->okved)
        m_code = *entry->okved;
    for (int j = level + 1; j <= kOkvedLevels; ++j)
        m_lists[Slot(j)] = m_dict.Below(m_key, j);
}

void OkvedChooser::ChooseEntry(const OkvedEntry& entry) {
    const int level = entry.grup.size() == 1 ? entry.grup[0] - '0' : 0;
    if (level < 1 || level > kOkvedLevels)
        return;
    for (int j = 1; j <= level; ++j) {
        const std::vector<const OkvedEntry*>& list = m_lists[Slot(j)];
        // On the way down an entry's ancestor is the one whose key begins its key; a level
        // the classifier skips has none.
        const auto onPath = [&](const OkvedEntry* e) {
            return e == &entry || (j < level && std::string_view(entry.kod).starts_with(e->kod));
        };
        const auto found = std::find_if(list.begin(), list.end(), onPath);
        if (found != list.end())
            Choose(j, static_cast<size_t>(found - list.begin()) + 1);
    }
}

bool OkvedChooser::KeyLongEnough() const {
    return CodePointCount(m_key) > 3;
}

}  // namespace zizaza
