#include "screens/FieldBindings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <memory>

#include "screens/ScreenFormat.h"
#include "screens/controls/TDtpPanel.h"

namespace zizaza {

namespace {

// What a text field showed of its item when it was filled. A field may refuse a stored text that
// breaks its rules (a file written elsewhere, an earlier edition): the item then keeps its stored
// text as long as the user leaves the field as it was filled, instead of being emptied silently.
struct ShownText {
    std::string stored;
    QString shown;
};

void FillText(QLineEdit* edit, ShownText& state, std::string stored) {
    state.stored = std::move(stored);
    edit->setText(QString::fromStdString(state.stored));
    state.shown = edit->text();
}

std::string TypedOrStored(const QLineEdit* edit, const ShownText& state) {
    if (edit->text() == state.shown && state.shown != QString::fromStdString(state.stored))
        return state.stored;
    return edit->text().toStdString();
}

}  // namespace

void FieldBindings::Text(QLineEdit* edit, Getter<std::string> get, Setter<std::string> set) {
    auto state = std::make_shared<ShownText>();
    m_bindings.push_back({[edit, get, state] { FillText(edit, *state, get()); },
                          [edit, set, state] { set(TypedOrStored(edit, *state)); }});
}

void FieldBindings::TextWhenEnabled(QLineEdit* edit, Getter<std::string> get, Setter<std::string> set) {
    auto state = std::make_shared<ShownText>();
    m_bindings.push_back({[edit, get, state] { FillText(edit, *state, get()); },
                          [edit, set, state] {
                              const std::string text = TypedOrStored(edit, *state);
                              set(edit->isEnabled() && !text.empty() ? text : std::string());
                          }});
}

void FieldBindings::Money(QLineEdit* edit, Getter<zizaza::Money> get, Setter<zizaza::Money> set) {
    m_bindings.push_back(
        {[edit, get] { edit->setText(MoneyToScreen(get())); }, [edit, set] { set(MoneyFieldValue(edit->text())); }});
}

void FieldBindings::MoneyOrEmpty(QLineEdit* edit, Getter<zizaza::Money> get, Setter<zizaza::Money> set) {
    m_bindings.push_back({[edit, get] {
                              const zizaza::Money v = get();
                              edit->setText(v.IsZero() ? QString() : MoneyToScreen(v));
                          },
                          [edit, set] { set(MoneyFieldValue(edit->text())); }});
}

void FieldBindings::Integer(QLineEdit* edit, Getter<int64_t> get, Setter<int64_t> set) {
    m_bindings.push_back(
        {[edit, get] { edit->setText(IntegerToScreen(get())); }, [edit, set] { set(IntegerFieldValue(edit->text())); }});
}

void FieldBindings::Check(QCheckBox* box, Getter<bool> get, Setter<bool> set) {
    m_bindings.push_back({[box, get] { box->setChecked(get()); }, [box, set] { set(box->isChecked()); }});
}

void FieldBindings::DateField(TDtpPanel* panel, Getter<Date> get, Setter<Date> set) {
    m_bindings.push_back({[panel, get] { panel->SetDate(get()); }, [panel, set] { set(panel->GetDate()); }});
}

void FieldBindings::Load() const {
    for (const Binding& b : m_bindings)
        b.load();
}

void FieldBindings::Save() const {
    for (const Binding& b : m_bindings)
        b.save();
}

}  // namespace zizaza
