#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace zizaza {

// Where a change was made, as the shell describes it: the screen and sub-screen, the selected
// row of each list of the screen in their order, and the control that had the focus. The
// history only keeps it; the shell opens it again when the change is undone or redone.
struct DocumentPlace {
    int screen = -1;
    int subScreen = -1;
    std::vector<int> listRows;
    std::string focus;
};

// The undo history of one declaration: the saved bytes of the document after each user action
// (a declaration is a few kilobytes, so whole snapshots are simpler and safer than inverse
// operations), a position in them, and the state that matches the file on disk.
class DocumentHistory {
public:
    static constexpr size_t kDefaultSteps = 100;

    explicit DocumentHistory(size_t maxSteps = kDefaultSteps);

    // A document just created or opened: its one state, nothing to undo or redo; saved says
    // whether that state is the one on disk.
    void Reset(std::string bytes, bool saved = true);
    // The document after a user action. A state equal to the current one makes no step (false).
    // The steps that could be redone are dropped; beyond the limit the oldest step goes.
    bool Record(std::string bytes, std::string name, DocumentPlace place);

    bool CanUndo() const { return m_position > 0; }
    bool CanRedo() const { return m_position + 1 < m_states.size(); }
    // The name of the step Undo or Redo would take back or do again.
    const std::string& UndoName() const;
    const std::string& RedoName() const;
    // Move one step; the bytes of the state to restore, and where the step was made.
    const std::string& Undo(DocumentPlace* place = nullptr);
    const std::string& Redo(DocumentPlace* place = nullptr);

    const std::string& Current() const { return m_states[m_position].bytes; }
    size_t UndoSteps() const { return m_position; }
    // The current state is the one on disk from now on.
    void MarkSaved() { m_saved = static_cast<long>(m_position); }
    bool AtSaved() const { return m_saved == static_cast<long>(m_position); }

private:
    struct State {
        std::string bytes;
        std::string name;     // of the step that led here
        DocumentPlace place;  // of that step
    };

    size_t m_maxSteps;
    std::deque<State> m_states;
    size_t m_position = 0;
    long m_saved = -1;  // -1: no state of the history is on disk
};

}  // namespace zizaza
