#pragma once

#include <functional>
#include <string>
#include <vector>

#include "storage/Date.h"
#include "storage/Money.h"

class QCheckBox;
class QLineEdit;

namespace zizaza {

class TDtpPanel;

// Binds entry controls to document fields once, so that a screen or dialog fills its controls
// and writes them back from the same table instead of copying field by field twice.
//
//     m_fields.Money(meSum, [this] { return Doc().EstimatedIncome; },
//                           [this](Money v) { Doc().EstimatedIncome = v; });
//     m_fields.Load();   // in the constructor
//     m_fields.Save();   // in SaveToDocument
class FieldBindings {
public:
    template <typename T>
    using Getter = std::function<T()>;
    template <typename T>
    using Setter = std::function<void(T)>;

    // Texts as typed (UTF-8 in the document).
    void Text(QLineEdit* edit, Getter<std::string> get, Setter<std::string> set);
    // A text stored only while its field is enabled and not empty; otherwise the item is cleared.
    void TextWhenEnabled(QLineEdit* edit, Getter<std::string> get, Setter<std::string> set);
    // Money in the general currency format; an empty field saves as 0.
    void Money(QLineEdit* edit, Getter<zizaza::Money> get, Setter<zizaza::Money> set);
    // Money shown empty when it is 0.
    void MoneyOrEmpty(QLineEdit* edit, Getter<zizaza::Money> get, Setter<zizaza::Money> set);
    // Whole numbers; an empty field saves as 0.
    void Integer(QLineEdit* edit, Getter<int64_t> get, Setter<int64_t> set);
    void Check(QCheckBox* box, Getter<bool> get, Setter<bool> set);
    void DateField(TDtpPanel* panel, Getter<Date> get, Setter<Date> set);

    void Load() const;
    void Save() const;

private:
    struct Binding {
        std::function<void()> load;
        std::function<void()> save;
    };
    std::vector<Binding> m_bindings;
};

}  // namespace zizaza
