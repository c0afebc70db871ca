#include "screens/TfmInputBusinessIncome.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dictionaries/ui/TFormOKVED.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"
#include "ui/ScreenHost.h"

namespace zizaza {

namespace {

// The radio buttons in the order of the kinds "1" to "6".
constexpr const char* kKindCaptions[] = {"Предпринимательская",       "Нотариальная", "Адвокатская",
                                         "Арбитражного управляющего", "Главы КФХ",    "Иная деятельность"};
constexpr int kKindCount = 6;

}  // namespace

TfmInputBusinessIncome::TfmInputBusinessIncome(ScreenHost& host)
    : TEntryDialog(host, QStringLiteral("Вид деятельности")) {
    setObjectName(QStringLiteral("fmInputBusinessIncome"));
    if (const OkvedDict* dict = host.Okved())
        m_picker = std::make_unique<TFormOKVED>(*dict, host.Ui(), this);

    auto* kinds = Named(new QGroupBox(QStringLiteral("Вид деятельности"), this), "gbKind");
    auto* kindLayout = new QVBoxLayout(kinds);
    m_kinds = new QButtonGroup(this);
    for (int i = 0; i < kKindCount; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(kKindCaptions[i]), kinds);
        radio->setObjectName(QStringLiteral("rbKind%1").arg(i + 1));
        m_kinds->addButton(radio, i + 1);
        kindLayout->addWidget(radio);
    }
    m_kinds->button(1)->setChecked(true);
    connect(m_kinds, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            KindChosen();
    });

    auto* codeRow = new QHBoxLayout;
    m_codeLabel = Named(new QLabel(QStringLiteral("Код вида деятельности"), this), "lbCode");
    me1 = parts::ChosenField(this, "me1");
    me1->SetupText(8);
    me1->setFixedWidth(100);
    m_chooser = parts::CodeChooser(this, "btChooseCode");
    connect(m_chooser, &QPushButton::clicked, this, &TfmInputBusinessIncome::ChooseCode);
    codeRow->addWidget(m_codeLabel);
    codeRow->addWidget(me1);
    codeRow->addWidget(m_chooser);
    codeRow->addStretch();

    Content()->addWidget(kinds);
    Content()->addLayout(codeRow);
    // A kind no button has leaves the first one checked.
    m_fields.RadioGroup(m_kinds, &Activity::kind);
    m_fields.Text(me1, &Activity::code);
    KindChosen();
}

TfmInputBusinessIncome::~TfmInputBusinessIncome() = default;

void TfmInputBusinessIncome::Fill(const std::string& kind, const std::string& code) {
    m_fields.Load(Activity{kind, code});
}

std::optional<TfmInputBusinessIncome::Activity> TfmInputBusinessIncome::Ask() {
    if (!Run())
        return std::nullopt;
    Activity activity;
    m_fields.Save(activity);
    // Without a code an entrepreneurial activity cannot be declared.
    if (activity.kind == "1" && me1->text().trimmed().isEmpty())
        return std::nullopt;
    return activity;
}

// Only entrepreneurial activity has a code to choose.
void TfmInputBusinessIncome::KindChosen() {
    const bool entrepreneur = m_kinds->checkedId() == 1;
    m_codeLabel->setEnabled(entrepreneur);
    m_chooser->setEnabled(entrepreneur && m_picker);
}

void TfmInputBusinessIncome::ChooseCode() {
    if (m_picker && m_picker->Run())
        me1->setText(m_picker->Answer());
}

}  // namespace zizaza
