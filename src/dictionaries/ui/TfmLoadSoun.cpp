#include "dictionaries/ui/TfmLoadSoun.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dictionaries/ImportSoun.h"
#include "dictionaries/Inspections.h"
#include "storage/Date.h"
#include "ui/ScreenHost.h"
#include "ui/UserInterface.h"

namespace zizaza {

const QString TfmLoadSoun::kDownloadPage = QStringLiteral("https://zizaza.example.org/soun/");

namespace {

const QString kHelpLink = QStringLiteral("help:EditSOUN.htm");

QLabel* Line(QWidget* parent, const QString& html) {
    auto* label = new QLabel(html, parent);
    label->setTextFormat(Qt::RichText);
    // Links are handled here (help page, browser through the shell), not by the label.
    label->setOpenExternalLinks(false);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    return label;
}

}  // namespace

TfmLoadSoun::TfmLoadSoun(ScreenHost& host, QWidget* parent) : QDialog(parent), m_host(host) {
    setObjectName(QStringLiteral("fmLoadSoun"));
    setWindowTitle(QStringLiteral("Загрузка СОУН"));
    auto* layout = new QVBoxLayout(this);
    const QStringList lines = {
        QStringLiteral("Инспекция может отсутствовать в справочнике по двум причинам:"),
        QStringLiteral("- у инспекции изменился код и название, а вы не в курсе"),
        QStringLiteral("- справочник устарел"),
        QStringLiteral("Возможно два решения проблемы: простое и более сложное"),
        QStringLiteral("Простое: отредактировать справочник вручную. Как это сделать,"),
        QStringLiteral("<a href=\"%1\">подробно расписано в Справке</a>").arg(kHelpLink),
        QStringLiteral("Сложное:"),
        QStringLiteral("- скачать актуальный справочник СОУН <a href=\"%1\">со страницы программы</a>")
            .arg(kDownloadPage),
        QStringLiteral("- извлечь из скаченного архива SOUN_DBF.ARJ файл soun1.dbf"),
        QStringLiteral("- указать путь к файлу soun1.dbf и обновить справочник"),
        QStringLiteral("- перезапустить программу \"Zizaza 2017\""),
    };
    int n = 1;
    for (const QString& text : lines) {
        QLabel* label = Line(this, text);
        label->setObjectName(QStringLiteral("Label%1").arg(n++));
        connect(label, &QLabel::linkActivated, this, &TfmLoadSoun::OnLink);
        layout->addWidget(label);
    }

    auto* pathRow = new QHBoxLayout;
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("edPath"));
    m_path->setReadOnly(true);
    m_path->setFocusPolicy(Qt::ClickFocus);  // read-only: out of the Tab order
    m_browse = new QPushButton(QStringLiteral("..."), this);
    m_browse->setObjectName(QStringLiteral("btBrowse"));
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(m_browse);
    layout->addLayout(pathRow);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_import = new QPushButton(QStringLiteral("Импорт СОУН"), this);
    m_import->setObjectName(QStringLiteral("btImport"));
    m_import->setEnabled(false);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("btOk"));
    buttons->addWidget(m_import);
    buttons->addWidget(m_ok);
    layout->addLayout(buttons);

    connect(m_browse, &QPushButton::clicked, this, &TfmLoadSoun::OnBrowse);
    connect(m_import, &QPushButton::clicked, this, &TfmLoadSoun::OnImport);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TfmLoadSoun::OnLink(const QString& link) {
    if (link == kHelpLink) {
        m_host.ShowHelpTopic(QStringLiteral("EditSOUN.htm"));
        return;
    }
    if (!m_host.Ui().OpenUrl(QUrl(link)))
        m_host.Ui().Error(QStringLiteral("Не удалось запустить браузер"));
}

void TfmLoadSoun::OnBrowse() {
    FileDialogRequest request;
    request.title = QStringLiteral("Загрузка СОУН: выберите файл soun1.dbf");
    request.folder = m_host.ProgramFolder();
    request.types = {{QStringLiteral("*.dbf"), QStringLiteral("soun1.dbf")}};
    const QString chosen = m_host.Ui().ChooseOpenFile(request);
    if (!chosen.isEmpty())
        m_path->setText(QDir::toNativeSeparators(chosen));
    m_import->setEnabled(true);
    m_ok->setEnabled(false);
}

void TfmLoadSoun::OnImport() {
    m_ok->setEnabled(true);
    const QString path = m_path->text().trimmed();
    if (path.isEmpty()) {
        m_host.Ui().Inform(QStringLiteral("Укажите путь к файлу soun1.dbf"));
        return;
    }
    const std::string output = (m_host.ProgramFolder() + QString::fromLatin1(kInspectionsFileName)).toStdString();
    bool done = false;
    try {
        done = ImportSoun(path.toStdString(), output, Date::Today().ToText(), "00");
    } catch (const std::exception&) {
        done = false;
    }
    if (done)
        m_host.Ui().Inform(QStringLiteral("Данные успешно импортированы. Не забудьте перезапустить программу."));
    else
        m_host.Ui().Error(QStringLiteral("Импортировать данные не удалось"));
}

}  // namespace zizaza
