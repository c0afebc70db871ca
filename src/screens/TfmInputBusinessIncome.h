#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "screens/FieldBindings.h"
#include "screens/TEntryDialog.h"

class QButtonGroup;
class QLabel;
class QPushButton;

namespace zizaza {

class TFormOKVED;
class TMaskedEdit;

// "Вид деятельности": the kind of an activity ("1" to "6") and, for entrepreneurial activity,
// its code chosen in the activity-code picker. Without the activity-code dictionary there is no
// picker and no code can be chosen.
class TfmInputBusinessIncome : public TEntryDialog {
    Q_OBJECT
public:
    struct Activity {
        std::string kind;
        std::string code;
    };

    explicit TfmInputBusinessIncome(ScreenHost& host);
    ~TfmInputBusinessIncome() override;

    void Fill(const std::string& kind, const std::string& code);
    // Runs the dialog. nullopt when it was cancelled, and for entrepreneurial activity left
    // without a code: such an activity is not taken.
    std::optional<Activity> Ask();

private:
    void KindChosen();
    void ChooseCode();

    std::unique_ptr<TFormOKVED> m_picker;
    RecordBindings<Activity> m_fields;
    QButtonGroup* m_kinds = nullptr;
    QLabel* m_codeLabel = nullptr;
    TMaskedEdit* me1 = nullptr;
    QPushButton* m_chooser = nullptr;
};

}  // namespace zizaza
