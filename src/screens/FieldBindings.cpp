#include "screens/FieldBindings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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

QString TextToScreen(const std::string& text) {
    return QString::fromStdString(text);
}

template <typename T, QString (*show)(T)>
QString EmptyAtZero(T value) {
    return value == T{} ? QString() : show(value);
}

}  // namespace

template <typename T, typename Show, typename Parse>
void FieldBindings::Edit(QLineEdit* edit, Getter<T> get, Setter<T> set, Show show, Parse parse, bool onlyEnabled) {
    auto state = std::make_shared<Shown<T>>();
    m_bindings.push_back({[edit, get, show, state] {
                              T v = get();
                              const QString text = show(v);
                              Fill(edit, *state, std::move(v), text);
                          },
                          [edit, set, parse, state, onlyEnabled] {
                              T v = TypedOrStored(edit, *state, parse);
                              set(!onlyEnabled || edit->isEnabled() ? std::move(v) : T{});
                          }});
}

void FieldBindings::Text(QLineEdit* edit, Getter<std::string> get, Setter<std::string> set) {
    Edit(edit, std::move(get), std::move(set), TextToScreen, TextOf);
}

void FieldBindings::TextWhenEnabled(QLineEdit* edit, Getter<std::string> get, Setter<std::string> set) {
    Edit(edit, std::move(get), std::move(set), TextToScreen, TextOf, true);
}

void FieldBindings::Money(QLineEdit* edit, Getter<zizaza::Money> get, Setter<zizaza::Money> set) {
    Edit(edit, std::move(get), std::move(set), MoneyToScreen, MoneyFieldValue);
}

void FieldBindings::MoneyOrEmpty(QLineEdit* edit, Getter<zizaza::Money> get, Setter<zizaza::Money> set) {
    Edit(edit, std::move(get), std::move(set), EmptyAtZero<zizaza::Money, MoneyToScreen>, MoneyFieldValue);
}

void FieldBindings::WholeRoubles(QLineEdit* edit, Getter<zizaza::Money> get, Setter<zizaza::Money> set) {
    Edit(edit, std::move(get), std::move(set), RoublesToScreen, RoublesFieldValue);
}

void FieldBindings::Integer(QLineEdit* edit, Getter<int64_t> get, Setter<int64_t> set) {
    Edit(edit, std::move(get), std::move(set), IntegerToScreen, IntegerFieldValue);
}

void FieldBindings::IntegerOrEmpty(QLineEdit* edit, Getter<int64_t> get, Setter<int64_t> set) {
    Edit(edit, std::move(get), std::move(set), EmptyAtZero<int64_t, IntegerToScreen>, IntegerFieldValue);
}

void FieldBindings::Check(QCheckBox* box, Getter<bool> get, Setter<bool> set) {
    m_bindings.push_back({[box, get] { box->setChecked(get()); }, [box, set] { set(box->isChecked()); }});
}

void FieldBindings::DateField(TDtpPanel* panel, Getter<Date> get, Setter<Date> set) {
    m_bindings.push_back({[panel, get] { panel->SetDate(get()); }, [panel, set] { set(panel->GetDate()); }});
}

void FieldBindings::ComboIndex(QComboBox* combo, Getter<int> get, Setter<int> set, int first, int unknownIndex) {
    m_bindings.push_back({[combo, get, first, unknownIndex] {
                              const int index = get() - first;
                              combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : unknownIndex);
                          },
                          [combo, set, first] { set(combo->currentIndex() + first); }});
}

void FieldBindings::RadioGroup(QButtonGroup* group, Getter<int> get, Setter<int> set, int fallbackId) {
    m_bindings.push_back({[group, get, fallbackId] {
                              QAbstractButton* button = group->button(get());
                              if (!button && fallbackId != 0)
                                  button = group->button(fallbackId);
                              if (button)
                                  button->setChecked(true);
                          },
                          [group, set, fallbackId] {
                              const int id = group->checkedId();
                              set(id == -1 ? fallbackId : id);
                          }});
}

void FieldBindings::Custom(std::function<void()> load, std::function<void()> save) {
    m_bindings.push_back({std::move(load), std::move(save)});
}

void FieldBindings::Then(std::function<void()> afterLoad) {
    m_bindings.push_back({std::move(afterLoad), [] {}});
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
