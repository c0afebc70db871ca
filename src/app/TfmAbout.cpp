#include "app/TfmAbout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/JpegPicture.h"
#include "ui/UserInterface.h"

namespace zizaza {

const QString TfmAbout::kSupportPage = QStringLiteral("https://zizaza.example.org/support/");
const QString TfmAbout::kProductPage = QStringLiteral("https://zizaza.example.org/");

TfmAbout::TfmAbout(UserInterface& ui, QWidget* parent) : QDialog(parent), m_ui(ui) {
    setObjectName(QStringLiteral("fmAbout"));
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(460, 232);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->setSpacing(4);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setFixedHeight(104);
    m_picture->setPixmap(QPixmap::fromImage(LoadJpegPicture(QStringLiteral(":/pictures/about.jpg"))));
    layout->addWidget(m_picture);

    m_panel = new QStackedWidget(this);
    m_panel->setObjectName(QStringLiteral("pnlSupport"));
    auto* support = new QWidget(m_panel);
    auto* supportLayout = new QVBoxLayout(support);
    supportLayout->setContentsMargins(10, 0, 10, 0);
    auto* intro = new QLabel(
        QStringLiteral("По вопросам, связанным с использованием программы обращайтесь в службу поддержки."), support);
    intro->setWordWrap(true);
    supportLayout->addWidget(intro);
    QLabel* feedback = LinkLabel(
        QStringLiteral("Форма обратной связи: <a href=\"%1\">zizaza.example.org/support</a>").arg(kSupportPage));
    feedback->setObjectName(QStringLiteral("lbSupportLink"));
    supportLayout->addWidget(feedback);
    QLabel* product = LinkLabel(
        QStringLiteral("Последние версии ПО на сайте <a href=\"%1\">zizaza.example.org</a>").arg(kProductPage));
    product->setObjectName(QStringLiteral("lbProductLink"));
    supportLayout->addWidget(product);
    auto* credits = new QLabel(
        QStringLiteral("Zizaza 2017 написана командой Кверон: расчет, проверка и выгрузка декларации, экранные "
                       "формы и справка."),
        m_panel);
    credits->setObjectName(QStringLiteral("lbCredits"));
    credits->setWordWrap(true);
    credits->setContentsMargins(10, 0, 10, 0);
    m_panel->addWidget(support);
    m_panel->addWidget(credits);
    layout->addWidget(m_panel, 1);

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(10, 0, 10, 0);
    m_copyright = new QLabel(QStringLiteral("©"), this);
    m_copyright->setObjectName(QStringLiteral("lbCopyright"));
    auto* maker = new QLabel(QStringLiteral("Кверон, 2017–2018"), this);
    maker->setObjectName(QStringLiteral("lbMaker"));
    auto* version = new QLabel(QStringLiteral("Версия ") + QString::fromLatin1(ZIZAZA_VERSION), this);
    version->setObjectName(QStringLiteral("lbVersion"));
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("btOk"));
    m_ok->setDefault(true);
    bottom->addWidget(m_copyright);
    bottom->addWidget(maker);
    bottom->addStretch();
    bottom->addWidget(version);
    bottom->addSpacing(12);
    bottom->addWidget(m_ok);
    layout->addLayout(bottom);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    m_ok->setFocus();

    for (QLabel* label : findChildren<QLabel*>())
        label->installEventFilter(this);
}

QLabel* TfmAbout::LinkLabel(const QString& html) {
    auto* label = new QLabel(html);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setOpenExternalLinks(false);
    connect(label, &QLabel::linkHovered, this, [this](const QString& link) { m_hoveredLink = link; });
    connect(label, &QLabel::linkActivated, this, &TfmAbout::OnLink);
    return label;
}

void TfmAbout::OnLink(const QString& link) {
    if (m_ui.OpenUrl(QUrl(link)))
        return;
    m_ui.Error(link == kSupportPage ? QStringLiteral("Не удалось запустить почтовый клиент")
                                    : QStringLiteral("Не удалось запустить браузер"));
}

bool TfmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    const Qt::KeyboardModifiers mods = mouse->modifiers();
    if (watched == m_picture && mods == Qt::ShiftModifier) {
        m_picture->hide();
        return true;
    }
    if (watched == m_copyright && mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
        m_panel->setCurrentIndex(m_panel->currentIndex() == 0 ? 1 : 0);
        return true;
    }
    // A click on a link belongs to the link; anywhere else it closes the box.
    if (!m_hoveredLink.isEmpty())
        return false;
    accept();
    return true;
}

void TfmAbout::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        accept();
    else
        QDialog::mouseReleaseEvent(event);
}

}  // namespace zizaza
