#include "model/DocumentHistory.h"

namespace zizaza {

namespace {
const std::string kNoName;
}

DocumentHistory::DocumentHistory(size_t maxSteps) : m_maxSteps(maxSteps) {
    Reset({});
}

void DocumentHistory::Reset(std::string bytes, bool saved) {
    m_states.clear();
    m_states.push_back({std::move(bytes), {}, {}});
    m_position = 0;
    m_saved = saved ? 0 : -1;
}

bool DocumentHistory::Record(std::string bytes, std::string name, DocumentPlace place) {
    if (bytes == Current())
        return false;
    m_states.erase(m_states.begin() + static_cast<long>(m_position) + 1, m_states.end());
    if (m_saved > static_cast<long>(m_position))
        m_saved = -1;  // that state cannot come back any more
    m_states.push_back({std::move(bytes), std::move(name), std::move(place)});
    ++m_position;
    while (m_states.size() > m_maxSteps + 1) {
        m_states.pop_front();
        --m_position;
        m_saved = m_saved > 0 ? m_saved - 1 : -1;
    }
    return true;
}

const std::string& DocumentHistory::UndoName() const {
    return CanUndo() ? m_states[m_position].name : kNoName;
}

const std::string& DocumentHistory::RedoName() const {
    return CanRedo() ? m_states[m_position + 1].name : kNoName;
}

const std::string& DocumentHistory::Undo(DocumentPlace* place) {
    if (CanUndo()) {
        if (place)
            *place = m_states[m_position].place;
        --m_position;
    }
    return Current();
}

const std::string& DocumentHistory::Redo(DocumentPlace* place) {
    if (CanRedo()) {
        ++m_position;
        if (place)
            *place = m_states[m_position].place;
    }
    return Current();
}

}  // namespace zizaza
