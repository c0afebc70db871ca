#include "screens/FieldBindings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <memory>

#include "screens/ScreenFormat.h"
#include "screens/controls/TDtpPanel.h"

namespace zizaza {

namespace {

// What a field showed of its item when it was filled. A field may refuse a stored value that breaks
// its rules (a file written elsewhere, an earlier edition, more decimals than the field takes): the
// item then keeps its stored value as long as the user leaves the field as it was filled, instead of
// being emptied or zeroed silently on the next save.
template <typename T>
struct Shown {
    T stored{};
    QString shown;
    bool refused = false;
};

template <typename T>
using ShownPtr = std::shared_ptr<Shown<T>>;

template <typename T>
void Fill(QLineEdit* edit, Shown<T>& state, T value, const QString& text) {
    state.stored = std::move(value);
    edit->setText(text);
    state.shown = edit->text();
    state.refused = state.shown != text;
}

template <typename T, typename Parse>
T TypedOrStored(const QLineEdit* edit, const Shown<T>& state, Parse parse) {
    if (state.refused && edit->text() == state.shown)
        return state.stored;
    return parse(edit->text());
}

std::string TextOf(const QString& text) {
    return text.toStdString();
}

}  // namespace

void FieldBindings::Text(QLineEdit* edit, Getter<std::string> get, Setter<std::string> set) {
    auto state = std::make_shared<Shown<std::string>>();
    m_bindings.push_back({[edit, get, state] {
                              std::string v = get();
                              const QString text = QString::fromStdString(v);
                              Fill(edit, *state, std::move(v), text);
                          },
                          [edit, set, state] { set(TypedOrStored(edit, *state, TextOf)); }});
}

void FieldBindings::TextWhenEnabled(QLineEdit* edit, Getter<std::string> get, Setter<std::string> set) {
    auto state = std::make_shared<Shown<std::string>>();
    m_bindings.push_back({[edit, get, state] {
                              std::string v = get();
                              const QString text = QString::fromStdString(v);
                              Fill(edit, *state, std::move(v), text);
                          },
                          [edit, set, state] {
                              const std::string text = TypedOrStored(edit, *state, TextOf);
                              set(edit->isEnabled() && !text.empty() ? text : std::string());
                          }});
}

void FieldBindings::Money(QLineEdit* edit, Getter<zizaza::Money> get, Setter<zizaza::Money> set) {
    auto state = std::make_shared<Shown<zizaza::Money>>();
    m_bindings.push_back({[edit, get, state] {
                              const zizaza::Money v = get();
                              Fill(edit, *state, v, MoneyToScreen(v));
                          },
                          [edit, set, state] { set(TypedOrStored(edit, *state, MoneyFieldValue)); }});
}

void FieldBindings::MoneyOrEmpty(QLineEdit* edit, Getter<zizaza::Money> get, Setter<zizaza::Money> set) {
    auto state = std::make_shared<Shown<zizaza::Money>>();
    m_bindings.push_back({[edit, get, state] {
                              const zizaza::Money v = get();
                              Fill(edit, *state, v, v.IsZero() ? QString() : MoneyToScreen(v));
                          },
                          [edit, set, state] { set(TypedOrStored(edit, *state, MoneyFieldValue)); }});
}

void FieldBindings::Integer(QLineEdit* edit, Getter<int64_t> get, Setter<int64_t> set) {
    auto state = std::make_shared<Shown<int64_t>>();
    m_bindings.push_back({[edit, get, state] {
                              const int64_t v = get();
                              Fill(edit, *state, v, IntegerToScreen(v));
                          },
                          [edit, set, state] { set(TypedOrStored(edit, *state, IntegerFieldValue)); }});
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
