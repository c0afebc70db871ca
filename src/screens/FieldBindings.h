#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "storage/Date.h"
#include "storage/Money.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace zizaza {

class TDtpPanel;

template <typename R>
class RecordBindings;

// The table under RecordBindings: each entry shows a field in its control and reads it back, through
// a getter and a setter that RecordBindings makes from one member pointer or accessor per field.
// Screens and dialogs use RecordBindings, never this class.
class FieldBindings {
    template <typename R>
    friend class RecordBindings;

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
    // Money in whole roubles: kopecks of the stored amount are not shown, the typed roubles are
    // stored as an amount; an empty field saves as 0.
    void WholeRoubles(QLineEdit* edit, Getter<zizaza::Money> get, Setter<zizaza::Money> set);
    // Whole numbers; an empty field saves as 0.
    void Integer(QLineEdit* edit, Getter<int64_t> get, Setter<int64_t> set);
    // A whole number shown empty when it is 0.
    void IntegerOrEmpty(QLineEdit* edit, Getter<int64_t> get, Setter<int64_t> set);
    void Check(QCheckBox* box, Getter<bool> get, Setter<bool> set);
    void DateField(TDtpPanel* panel, Getter<Date> get, Setter<Date> set);
    // The chosen item of a list as a number: item i stands for first + i. A number no item stands
    // for chooses the item unknownIndex (-1: none); no item chosen saves as first - 1.
    void ComboIndex(QComboBox* combo, Getter<int> get, Setter<int> set, int first = 0, int unknownIndex = -1);
    // The checked button of a group as its id. An id no button has checks the button fallbackId,
    // or leaves the group as it is when fallbackId is 0; no button checked saves fallbackId.
    void RadioGroup(QButtonGroup* group, Getter<int> get, Setter<int> set, int fallbackId = 0);

    // A field no control kind above fits: how it is shown and how it is read back.
    void Custom(std::function<void()> load, std::function<void()> save);
    // A rule of the screen that must run at this point of loading (the controls bound before it
    // are filled, those after it not yet).
    void Then(std::function<void()> afterLoad);

    void Load() const;
    void Save() const;

    struct Binding {
        std::function<void()> load;
        std::function<void()> save;
    };
    // An entry field: show gives the text of a value, parse the value of a text; onlyEnabled
    // stores an empty value while the field is disabled.
    template <typename T, typename Show, typename Parse>
    void Edit(QLineEdit* edit, Getter<T> get, Setter<T> set, Show show, Parse parse, bool onlyEnabled = false);

    std::vector<Binding> m_bindings;
};

// Binds entry controls to the fields of one record type R once, so that a screen or dialog fills
// its controls from a record and writes them back into another (or the same) record from the same
// table instead of copying field by field twice. A field is named once, by a member pointer
// (&R::Field, also a member of a base of R) or by an accessor callable with both a const and a
// mutable record and returning a reference to the field (or, for the const record, its value):
//
//     m_fields.Money(meVZSum, &mTPens::Contribution);
//     m_fields.Integer(meMonth, [](auto& r) -> auto& { return r.Lines[0].Month; });
//     m_fields.Load(record);   // Fill, or FillFromDocument with Doc()
//     m_fields.Save(record);   // Apply, or SaveToDocument
//
// Numbers of another width than the control's are converted on the way.
template <typename R>
class RecordBindings {
public:
    RecordBindings() = default;
    RecordBindings(const RecordBindings&) = delete;
    RecordBindings& operator=(const RecordBindings&) = delete;

    template <typename A>
    void Text(QLineEdit* edit, A access) {
        m_fields.Text(edit, Get<std::string>(access), Set<std::string>(access));
    }
    template <typename A>
    void TextWhenEnabled(QLineEdit* edit, A access) {
        m_fields.TextWhenEnabled(edit, Get<std::string>(access), Set<std::string>(access));
    }
    template <typename A>
    void Money(QLineEdit* edit, A access) {
        m_fields.Money(edit, Get<zizaza::Money>(access), Set<zizaza::Money>(access));
    }
    template <typename A>
    void MoneyOrEmpty(QLineEdit* edit, A access) {
        m_fields.MoneyOrEmpty(edit, Get<zizaza::Money>(access), Set<zizaza::Money>(access));
    }
    template <typename A>
    void WholeRoubles(QLineEdit* edit, A access) {
        m_fields.WholeRoubles(edit, Get<zizaza::Money>(access), Set<zizaza::Money>(access));
    }
    template <typename A>
    void Integer(QLineEdit* edit, A access) {
        m_fields.Integer(edit, Get<int64_t>(access), Set<int64_t>(access));
    }
    template <typename A>
    void IntegerOrEmpty(QLineEdit* edit, A access) {
        m_fields.IntegerOrEmpty(edit, Get<int64_t>(access), Set<int64_t>(access));
    }
    template <typename A>
    void Check(QCheckBox* box, A access) {
        m_fields.Check(box, Get<bool>(access), Set<bool>(access));
    }
    template <typename A>
    void DateField(TDtpPanel* panel, A access) {
        m_fields.DateField(panel, Get<Date>(access), Set<Date>(access));
    }
    template <typename A>
    void ComboIndex(QComboBox* combo, A access, int first = 0, int unknownIndex = -1) {
        m_fields.ComboIndex(combo, Get<int>(access), Set<int>(access), first, unknownIndex);
    }
    template <typename A>
    void RadioGroup(QButtonGroup* group, A access, int fallbackId = 0) {
        m_fields.RadioGroup(group, Get<int>(access), Set<int>(access), fallbackId);
    }

    // show(value) fills the controls from the field, read() gives the field's value.
    template <typename A, typename Show, typename Read>
    void Custom(A access, Show show, Read read) {
        m_fields.Custom([this, access, show] { show(std::invoke(access, *m_source)); },
                        [this, access, read] { std::invoke(access, *m_target) = read(); });
    }
    void Then(std::function<void()> afterLoad) { m_fields.Then(std::move(afterLoad)); }
    // Controls that show several fields together: load fills them from the record, save writes
    // them into it.
    void Fields(std::function<void(const R&)> load, std::function<void(R&)> save) {
        m_fields.Custom([this, load] { load(*m_source); }, [this, save] { save(*m_target); });
    }

    void Load(const R& record) {
        m_source = &record;
        m_fields.Load();
        m_source = nullptr;
    }
    void Save(R& record) const {
        m_target = &record;
        m_fields.Save();
        m_target = nullptr;
    }

private:
    template <typename A>
    using FieldOf = std::remove_cvref_t<std::invoke_result_t<A, R&>>;

    template <typename T, typename A>
    FieldBindings::Getter<T> Get(A access) {
        return [this, access] { return Convert<T>(std::invoke(access, *m_source)); };
    }
    template <typename T, typename A>
    FieldBindings::Setter<T> Set(A access) {
        return [this, access](T value) { std::invoke(access, *m_target) = Convert<FieldOf<A>>(std::move(value)); };
    }
    // Numbers change width; a number kept as text (a kind "1" to "6") reads as 0 when it is none.
    template <typename To, typename From>
    static To Convert(From value) {
        if constexpr (std::is_same_v<To, From>)
            return value;
        else if constexpr (std::is_same_v<From, std::string>)
            return static_cast<To>(NumberOfText(value));
        else if constexpr (std::is_same_v<To, std::string>)
            return std::to_string(value);
        else
            return static_cast<To>(value);
    }
    static int64_t NumberOfText(const std::string& text) {
        int64_t n = 0;
        for (char c : text) {
            if (c < '0' || c > '9' || n > INT32_MAX)
                return 0;
            n = n * 10 + (c - '0');
        }
        return n;
    }

    FieldBindings m_fields;
    const R* m_source = nullptr;
    mutable R* m_target = nullptr;
};

}  // namespace zizaza
