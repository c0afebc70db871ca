#include "screens/FieldBindings.h"

#include <QCheckBox>
#include <QLineEdit>

#include "screens/ScreenFormat.h"
#include "screens/controls/TDtpPanel.h"

namespace zizaza {

void FieldBindings::Text(QLineEdit* edit, Getter<std::string> get, Setter<std::string> set) {
    m_bindings.push_back({[edit, get] { edit->setText(QString::fromStdString(get())); },
                          [edit, set] { set(edit->text().toStdString()); }});
}

void FieldBindings::TextWhenEnabled(QLineEdit* edit, Getter<std::string> get, Setter<std::string> set) {
    m_bindings.push_back({[edit, get] { edit->setText(QString::fromStdString(get())); },
                          [edit, set] {
                              const bool keep = edit->isEnabled() && !edit->text().isEmpty();
                              set(keep ? edit->text().toStdString() : std::string());
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
