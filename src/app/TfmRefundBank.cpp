#include "app/TfmRefundBank.h"

#include "app/AppSettings.h"
#include "ui/UserInterface.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSettings>
#include <QVBoxLayout>

namespace zizaza {
namespace {

const QString kGroup = QStringLiteral("RefundBank");

QSettings userSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, AppSettings::kOrganization,
                     AppSettings::kApplication);
}

QLineEdit* digits(QWidget* parent, const char* name, int count) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(count)), edit));
    return edit;
}

std::string text(const QLineEdit* edit) {
    return edit->text().trimmed().toStdString();
}

}  // namespace

BankDetails TfmRefundBank::Remembered() {
    QSettings settings = userSettings();
    settings.beginGroup(kGroup);
    BankDetails d;
    d.bankName = settings.value(QStringLiteral("BankName")).toString().toStdString();
    d.bic = settings.value(QStringLiteral("Bic")).toString().toStdString();
    d.correspondentAccount = settings.value(QStringLiteral("CorrespondentAccount")).toString().toStdString();
    d.account = settings.value(QStringLiteral("Account")).toString().toStdString();
    return d;
}

TfmRefundBank::TfmRefundBank(UserInterface& ui, bool withAddress, QWidget* parent) : QDialog(parent), m_ui(ui) {
    setObjectName(QStringLiteral("TfmRefundBank"));
    setWindowTitle(QStringLiteral("Заявление на возврат налога"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(
        QStringLiteral("Налог вернут на счет, открытый на ваше имя в российском банке. Реквизиты есть в договоре "
                       "с банком или в приложении банка (\"Реквизиты счета\")."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* form = new QFormLayout;
    m_bic = digits(this, "edBic", 9);
    m_bankName = new QLineEdit(this);
    m_bankName->setObjectName(QStringLiteral("edBankName"));
    m_correspondent = digits(this, "edCorrespondentAccount", 20);
    m_account = digits(this, "edAccount", 20);
    m_dateEdit = new QLineEdit(this);
    m_dateEdit->setObjectName(QStringLiteral("edDate"));
    m_dateEdit->setInputMask(QStringLiteral("99.99.9999"));
    m_dateEdit->setText(QString::fromStdString(Date::Today().ToText()));
    auto* bicRow = new QHBoxLayout;
    bicRow->addWidget(m_bic);
    auto* directory = new QPushButton(QStringLiteral("Справочник Б&ИК..."), this);
    directory->setObjectName(QStringLiteral("btBicDirectory"));
    connect(directory, &QPushButton::clicked, this, &TfmRefundBank::ChooseDirectory);
    bicRow->addWidget(directory);
    form->addRow(QStringLiteral("&БИК банка:"), bicRow);
    m_directoryNote = new QLabel(this);
    m_directoryNote->setObjectName(QStringLiteral("lbBicDirectory"));
    m_directoryNote->setWordWrap(true);
    form->addRow(QString(), m_directoryNote);
    form->addRow(QStringLiteral("&Наименование банка:"), m_bankName);
    form->addRow(QStringLiteral("&Корреспондентский счет:"), m_correspondent);
    form->addRow(QStringLiteral("Номер &счета получателя:"), m_account);
    if (withAddress) {
        m_address = new QLineEdit(this);
        m_address->setObjectName(QStringLiteral("edAddress"));
        form->addRow(QStringLiteral("&Адрес места жительства:"), m_address);
    }
    form->addRow(QStringLiteral("&Дата заявления:"), m_dateEdit);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfmRefundBank::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    const BankDetails last = Remembered();
    m_bankName->setText(QString::fromStdString(last.bankName));
    m_bic->setText(QString::fromStdString(last.bic));
    m_correspondent->setText(QString::fromStdString(last.correspondentAccount));
    m_account->setText(QString::fromStdString(last.account));
    QSettings settings = userSettings();
    const QString directoryFile = settings.value(kGroup + QStringLiteral("/BicDirectory")).toString();
    if (!directoryFile.isEmpty()) {
        try {
            m_directory = BicDirectory::Load(directoryFile.toStdString());
            m_directoryNote->setText(QStringLiteral("Справочник БИК: ") + directoryFile);
        } catch (const std::exception&) {
            m_directoryNote->setText(QStringLiteral("Справочник БИК не загружен: наименование банка введите сами."));
        }
    }
    connect(m_bic, &QLineEdit::textEdited, this, &TfmRefundBank::fillFromDirectory);
    resize(560, sizeHint().height());
}

bool TfmRefundBank::LoadDirectory(const QString& path) {
    try {
        m_directory = BicDirectory::Load(path.toStdString());
    } catch (const std::exception& e) {
        m_ui.Error(QString::fromStdString(e.what()));
        return false;
    }
    m_directoryNote->setText(QStringLiteral("Справочник БИК: ") + path);
    QSettings settings = userSettings();
    if (settings.isWritable())
        settings.setValue(kGroup + QStringLiteral("/BicDirectory"), path);
    fillFromDirectory();
    return true;
}

void TfmRefundBank::ChooseDirectory() {
    FileDialogRequest request;
    request.title = QStringLiteral("Справочник БИК Банка России: выберите файл");
    request.types = {{QStringLiteral("Справочник БИК Банка России"), QStringLiteral("*.dbf *.DBF *.xml *.XML")}};
    const QString path = m_ui.ChooseOpenFile(request);
    if (!path.isEmpty())
        LoadDirectory(path);
}

void TfmRefundBank::fillFromDirectory() {
    if (!m_directory || m_bic->text().size() != 9)
        return;
    if (auto bank = m_directory->Find(m_bic->text().toStdString())) {
        m_bankName->setText(QString::fromStdString(bank->name));
        m_correspondent->setText(QString::fromStdString(bank->correspondentAccount));
    }
}

BankDetails TfmRefundBank::Details() const {
    return BankDetails{text(m_bankName), text(m_bic), text(m_account), text(m_correspondent)};
}

QString TfmRefundBank::Address() const {
    return m_address ? m_address->text().trimmed() : QString();
}

QLineEdit* TfmRefundBank::Field(BankField field) const {
    switch (field) {
        case BankField::Bic:
            return m_bic;
        case BankField::Account:
            return m_account;
        case BankField::CorrespondentAccount:
            return m_correspondent;
        case BankField::BankName:
            return m_bankName;
    }
    return m_account;
}

void TfmRefundBank::accept() {
    const BankDetails details = Details();
    if (auto problem = CheckBankDetails(details)) {
        m_ui.Error(QString::fromStdString(problem->message));
        QLineEdit* field = Field(problem->field);
        field->setFocus();
        field->selectAll();
        return;
    }
    auto date = Date::Parse(m_dateEdit->text().toStdString());
    if (!date) {
        m_ui.Error(QStringLiteral("Неверная дата заявления: проверьте дату."));
        m_dateEdit->setFocus();
        return;
    }
    m_date = *date;
    QSettings settings = userSettings();
    if (settings.isWritable()) {
        settings.beginGroup(kGroup);
        settings.setValue(QStringLiteral("BankName"), QString::fromStdString(details.bankName));
        settings.setValue(QStringLiteral("Bic"), QString::fromStdString(details.bic));
        settings.setValue(QStringLiteral("CorrespondentAccount"), QString::fromStdString(details.correspondentAccount));
        settings.setValue(QStringLiteral("Account"), QString::fromStdString(details.account));
        settings.endGroup();
        settings.sync();
    }
    QDialog::accept();
}

}  // namespace zizaza
