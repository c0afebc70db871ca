#include <utility>

#include "app/TFormMain.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/AppSettings.h"
#include "app/MenuAccelerators.h"
#include "app/QtUserInterface.h"
#include "app/RateDictionaryCommands.h"
#include "app/RecoveryStore.h"
#include "app/TfmHelp.h"
#include "app/ToolbarIcons.h"
#include "dictionaries/Countries.h"
#include "dictionaries/DictionaryError.h"
#include "dictionaries/Inspections.h"
#include "dictionaries/ui/TfmInputInspectionNumber.h"
#include "model/mTDeclaration.h"
#include "print/PrintModuleLoader.h"
#include "screens/ScreenSwitcher.h"
#include "screens/TThinkingFrame.h"
#include "screens/controls/TFlashButton.h"

namespace zizaza {

const QString TFormMain::kSupportAddress = QStringLiteral("support@zizaza.example.org");

namespace {

struct ButtonSpec {
    ScreenId id;
    const char* name;
    const char* caption;
    const char* hint;
    QChar glyph;
    QColor color;
    // The key of the glyph's place on a Latin keyboard, so that Alt with it works in either layout.
    Qt::Key latinKey;
};

const ButtonSpec kButtons[] = {
    {ScreenId::InitialData, "fbInitialData", "Задание условий", "Выбор режима ввода", QChar(u'У'), QColor(52, 101, 164),
     Qt::Key_E},
    {ScreenId::PersonInfo, "fbPrsonInfo", "Сведения о декларанте", "Персональные данные налогоплательщика", QChar(u'Д'),
     QColor(78, 154, 6), Qt::Key_L},
    {ScreenId::RussianIncome, "fbRussianIncome", "Доходы, полученные в РФ",
     "Доходы, полученные от налоговых агентов или иных источников, в т.ч. физлиц", QChar(u'Р'), QColor(196, 160, 0),
     Qt::Key_H},
    {ScreenId::BusinessIncome, "fbBusinessIncome", "Предприниматели",
     "Доходы, полученные от предпринимательской деятельности без образования юридического лица и частной практики",
     QChar(u'П'), QColor(206, 92, 0), Qt::Key_G},
    {ScreenId::ForeignIncome, "fbForeignIncome", "Доходы за пределами РФ", "Доходы, полученные в иностранной валюте",
     QChar(u'В'), QColor(117, 80, 123), Qt::Key_D},
    {ScreenId::Deduction, "fbDeduction", "Вычеты", "Стандартные, социальные и имущественный налоговые вычеты",
     QChar(u'Н'), QColor(164, 0, 0), Qt::Key_Y},
    {ScreenId::InvestTov, "fbInvestTov", "Инвест. товарищества", "Данные по участию в инвестиционных товариществах",
     QChar(u'И'), QColor(32, 128, 128), Qt::Key_B},
};

// The glyph of a screen button: a coloured tile with the area's letter.
QIcon ButtonGlyph(QChar letter, const QColor& color) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(color);
    p.setPen(color.darker(130));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(18);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(pixmap.rect(), Qt::AlignCenter, QString(letter));
    return QIcon(pixmap);
}

// The screen buttons keep their size: in a window too low for all of them their column
// scrolls (and follows the focus) instead of pressing them onto each other.
QScrollArea* ScrollingColumn(QWidget* column, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setObjectName(QStringLiteral("sbButtons"));
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    area->setWidget(column);
    area->setFixedWidth(column->sizeHint().width() + area->verticalScrollBar()->sizeHint().width());
    return area;
}

QAction* AddAction(QWidget* owner, QMenu* menu, const char* name, const QString& text) {
    auto* action = new QAction(text, owner);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    return action;
}

}  // namespace

TFormMain::TFormMain(MainWindowOptions options, QWidget* parent)
    : QMainWindow(parent), m_catalog(options.screens ? *options.screens : ScreenCatalog::Standard()) {
    setObjectName(QStringLiteral("FormMain"));
    if (options.ui) {
        m_ui = options.ui;
    } else {
        m_ownUi = std::make_unique<QtUserInterface>();
        m_ownUi->SetParentWindow(this);
        m_ui = m_ownUi.get();
    }
    setWindowIcon(QIcon(QStringLiteral(":/pictures/zizaza-48.png")));
    setMinimumSize(750, 550);
    // The window opens at its usual size, or smaller where the screen's free area is smaller
    // (a small screen, or a desktop scaled by 1.5): it never opens wider or higher than the screen.
    QSize size(1200, 760);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 48));
    resize(size.expandedTo(minimumSize()));

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* buttonPanel = new QWidget(central);
    buttonPanel->setObjectName(QStringLiteral("pnlButtons"));
    BuildScreenButtons(buttonPanel);
    layout->addWidget(ScrollingColumn(buttonPanel, central));
    m_scroll = new QScrollArea(central);
    m_scroll->setObjectName(QStringLiteral("sbScreen"));
    m_scroll->setWidgetResizable(true);
    m_screenArea = new QWidget;
    m_screenArea->setObjectName(QStringLiteral("pnlScreen"));
    // The screens' own layouts give their least size; the area scrolls only below it.
    m_scroll->setWidget(m_screenArea);
    layout->addWidget(m_scroll, 1);
    setCentralWidget(central);
    // The status bar is there from the start, as high as a line of text in it: its first
    // message does not shrink the screen above it.
    QLabel probe(QStringLiteral("Ж"));
    statusBar()->setMinimumHeight(probe.sizeHint().height() + 8);
    m_switcher = std::make_unique<ScreenSwitcher>(*this, m_screenArea);
    m_recovery = std::make_unique<RecoveryStore>(options.recoveryFolder);

    BuildMenus();
    BuildToolbar();
    // The menus keep clear of the letters of the screen buttons, which Alt opens.
    QSet<QChar> buttonLetters;
    for (const ButtonSpec& entry : kButtons)
        buttonLetters.insert(entry.glyph.toLower());
    AssignAccelerators(menuBar(), buttonLetters);
    const AppSettings::Display display = AppSettings::ReadDisplay();
    m_actStdToolbar->setChecked(display.showStdToolbar);
    m_actTextLabels->setChecked(display.textLabels);
    ApplyToolbarShown(display.showStdToolbar);
    ApplyTextLabels(display.textLabels);

    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));

    m_doc = std::make_unique<mTDeclaration>();
    const QStringList& args = options.arguments;
    if (args.size() == 1 || args.size() == 2) {
        const bool flagged = args.front().toLower() == QStringLiteral("-p");
        m_fileName = flagged ? (args.size() == 2 ? args[1] : QString()) : args.front();
        LoadOrFresh(m_fileName);
    } else {
        PrepareFresh();
    }
    SetTitle();

    m_programFolder = options.programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : options.programFolder;
    if (!m_programFolder.endsWith(QLatin1Char('/')))
        m_programFolder += QLatin1Char('/');
    m_printModule = options.printModule;
    if (!m_printModule)
        m_printModule = [] {
            std::string why;
            std::unique_ptr<IPrintModule> module = LoadPrintModule({}, &why);
            if (!module)
                qWarning("print module: %s", why.c_str());
            return module;
        };
    LoadDictionaries();

    ShowInitialScreen();
    SetSaved(!std::exchange(m_loadedUnsaved, false));
    ResetHistory(m_saved);
}

TFormMain::~TFormMain() {
    // Screens reach the document through the slot: they go first.
    m_switcher.reset();
    AppSettings::WritePlacement(isMaximized(), geometry());
}

void TFormMain::BuildScreenButtons(QWidget* panel) {
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    for (const ButtonSpec& entry : kButtons) {
        auto* button = new TFlashButton(panel);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setText(QString::fromUtf8(entry.caption));
        button->setToolTip(QString::fromUtf8(entry.hint));
        button->setIcon(ButtonGlyph(entry.glyph, entry.color));
        button->setIconSize(QSize(32, 32));
        button->SetGroupIndex(1);
        button->setFixedSize(156, 80);
        column->addWidget(button);
        m_buttons[Index(entry.id)] = button;
        const ScreenId id = entry.id;
        connect(button, &TFlashButton::clicked, this,
                [this, id] { RunCommand([this, id] { PressScreenButton(id); }); });
        // Alt and the letter on the button open its screen, as a click does while it is enabled.
        for (const QKeySequence& keys : {QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(entry.glyph.unicode()))),
                                         QKeySequence(Qt::ALT | entry.latinKey)}) {
            auto* shortcut = new QShortcut(keys, this);
            connect(shortcut, &QShortcut::activated, button, [button] {
                if (button->isEnabled() && button->isVisible())
                    button->click();
            });
        }
    }
    column->addStretch();
}

void TFormMain::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    file->setObjectName(QStringLiteral("mnFile"));
    QAction* actNew = AddAction(this, file, "actNew", QStringLiteral("Создать"));
    actNew->setShortcut(QKeySequence::New);
    actNew->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    QAction* actNewFromPriorYear =
        AddAction(this, file, "actNewFromPriorYear", QStringLiteral("Создать на основе декларации прошлого года..."));
    QAction* actOpen = AddAction(this, file, "actOpen", QStringLiteral("Открыть"));
    actOpen->setShortcut(QKeySequence::Open);
    actOpen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    QAction* actSave = AddAction(this, file, "actSave", QStringLiteral("Сохранить"));
    actSave->setShortcut(QKeySequence::Save);
    actSave->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    QAction* actSaveAs = AddAction(this, file, "actSaveAs", QStringLiteral("Сохранить как..."));
    actSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(AddAction(this, file, "actCorrection", QStringLiteral("Уточненная декларация...")), &QAction::triggered,
            this, Guarded(&TFormMain::CorrectionCommand));
    file->addSeparator();
    QAction* actExit = AddAction(this, file, "actExit", QStringLiteral("Выход"));
    actExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(actNew, &QAction::triggered, this, Guarded(&TFormMain::NewDeclaration));
    connect(actNewFromPriorYear, &QAction::triggered, this, Guarded(&TFormMain::NewFromPriorYear));
    connect(actOpen, &QAction::triggered, this, Guarded(&TFormMain::OpenDeclaration));
    connect(actSave, &QAction::triggered, this, Guarded(&TFormMain::SaveDeclaration));
    connect(actSaveAs, &QAction::triggered, this, Guarded(&TFormMain::SaveDeclarationAs));
    connect(actExit, &QAction::triggered, this, &QWidget::close);
    BuildEditMenu();

    QMenu* declaration = menuBar()->addMenu(QStringLiteral("Декларация"));
    declaration->setObjectName(QStringLiteral("mnDeclaration"));
    QAction* actPreview = AddAction(this, declaration, "actPreview", QStringLiteral("Просмотр"));
    actPreview->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    QAction* actPrint = AddAction(this, declaration, "actPrint", QStringLiteral("Печать"));
    actPrint->setIcon(PrinterIcon());
    actPrint->setShortcut(QKeySequence::Print);
    actPreview->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QAction* actExport = AddAction(this, declaration, "actExport", QStringLiteral("Экспорт в xml"));
    actExport->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    actExport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    QAction* actCheck = AddAction(this, declaration, "actCheck", QStringLiteral("Проверить"));
    actCheck->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    actCheck->setShortcut(QKeySequence(Qt::Key_F9));
    connect(actCheck, &QAction::triggered, this, Guarded(&TFormMain::CheckCommand));
    connect(actExport, &QAction::triggered, this, Guarded(&TFormMain::ExportDeclaration));
    connect(actPreview, &QAction::triggered, this,
            [this] { RunCommand([this] { PrintOrPreview(PrintMode::Preview); }); });
    connect(actPrint, &QAction::triggered, this, [this] { RunCommand([this] { PrintOrPreview(PrintMode::Print); }); });
    QAction* actTaxReport = AddAction(this, declaration, "actTaxReport", QStringLiteral("Расчет налога"));
    actTaxReport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(actTaxReport, &QAction::triggered, this, Guarded(&TFormMain::ShowTaxReport));
    declaration->addSeparator();
    QAction* actRefund =
        AddAction(this, declaration, "actRefundApplication", QStringLiteral("Заявление на возврат налога..."));
    connect(actRefund, &QAction::triggered, this, Guarded(&TFormMain::RefundApplicationCommand));
    connect(declaration, &QMenu::aboutToShow, this, [this, actRefund] { actRefund->setEnabled(HasRefundLines()); });

    QMenu* settings = menuBar()->addMenu(QStringLiteral("Настройки"));
    settings->setObjectName(QStringLiteral("mnSettings"));
    m_actStdToolbar = AddAction(this, settings, "actStdToolbar", QStringLiteral("Стандартная панель"));
    m_actTextLabels = AddAction(this, settings, "actTextLabels", QStringLiteral("Подписи под кнопками"));
    m_actStdToolbar->setCheckable(true);
    m_actTextLabels->setCheckable(true);
    connect(m_actStdToolbar, &QAction::triggered, this, [this](bool on) {
        AppSettings::WriteShowStdToolbar(on);
        ApplyToolbarShown(on);
    });
    connect(m_actTextLabels, &QAction::triggered, this, [this](bool on) {
        AppSettings::WriteTextLabels(on);
        ApplyTextLabels(on);
    });
    settings->addSeparator();
    connect(AddAction(this, settings, "actLoadCbrRates", QStringLiteral("Загрузить курсы ЦБ РФ...")),
            &QAction::triggered, this,
            [this] { RunCommand([this] { LoadCbrRatesCommand(*m_ui, m_programFolder, m_rates); }); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("Справка"));
    help->setObjectName(QStringLiteral("mnHelp"));
    QAction* actHelp = AddAction(this, help, "actHelp", QStringLiteral("Справка"));
    QAction* actContextHelp = AddAction(this, help, "actContextHelp", QStringLiteral("Справка по текущему окну"));
    actContextHelp->setShortcut(QKeySequence::HelpContents);
    actContextHelp->setShortcutContext(Qt::ApplicationShortcut);
    connect(actContextHelp, &QAction::triggered, this, Guarded(&TFormMain::ShowContextHelp));
    help->addSeparator();
    QAction* actAbout = AddAction(this, help, "actAbout", QStringLiteral("О программе"));
    connect(actHelp, &QAction::triggered, this, Guarded(&TFormMain::ShowHelp));
    connect(actAbout, &QAction::triggered, this, Guarded(&TFormMain::ShowAbout));
}

void TFormMain::BuildToolbar() {
    m_toolbar = addToolBar(QStringLiteral("Стандартная панель"));
    m_toolbar->setObjectName(QStringLiteral("tbStandard"));
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(24, 24));
    auto action = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
    // The toolbar names the export "Файл xml"; it runs the menu's command.
    auto* exportTool = new QAction(action("actExport")->icon(), QStringLiteral("Файл xml"), this);
    exportTool->setObjectName(QStringLiteral("actExportTool"));
    exportTool->setEnabled(action("actExport")->isEnabled());
    connect(exportTool, &QAction::triggered, action("actExport"), &QAction::trigger);
    connect(action("actExport"), &QAction::enabledChanged, exportTool, &QAction::setEnabled);
    const std::vector<QAction*> order = {action("actNew"), action("actOpen"),    action("actSave"),
                                         nullptr,          action("actPreview"), action("actPrint"),
                                         nullptr,          exportTool,           action("actCheck")};
    for (QAction* a : order) {
        if (!a) {
            m_toolbar->addSeparator();
            continue;
        }
        m_toolbar->addAction(a);
        m_toolbarActions.push_back(a);
    }
    // Hiding the toolbar from its own right-click menu is the same choice as the menu's item.
    connect(m_toolbar->toggleViewAction(), &QAction::triggered, this, [this](bool on) {
        m_actStdToolbar->setChecked(on);
        AppSettings::WriteShowStdToolbar(on);
    });
}

void TFormMain::ApplyToolbarShown(bool shown) {
    m_toolbar->setVisible(shown);
}

void TFormMain::ApplyTextLabels(bool labels) {
    m_toolbar->setToolButtonStyle(labels ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    m_toolbar->setMinimumHeight(labels ? 50 : 38);
    const QSize size = labels ? QSize(80, 47) : QSize(35, 35);
    for (QAction* a : m_toolbarActions)
        if (QWidget* w = m_toolbar->widgetForAction(a))
            w->setFixedSize(size);
}

template <typename T, typename Load>
void TFormMain::LoadOptional(const char* fileName, std::optional<T>& target, Load load) {
    const QString path = m_programFolder + QString::fromLatin1(fileName);
    if (!QFileInfo::exists(path))
        return;
    try {
        target = load(path.toStdString());
    } catch (const std::exception& e) {
        // The features that need this dictionary go without it.
        m_ui->Error(QString::fromStdString(e.what()));
    }
}

void TFormMain::LoadDictionaries() {
    const QString inspections = m_programFolder + QString::fromLatin1(kInspectionsFileName);
    if (QFileInfo::exists(inspections)) {
        try {
            m_inspections =
                std::make_unique<TfmInputInspectionNumber>(*this, LoadInspections(inspections.toStdString()), this);
        } catch (const std::exception&) {
            m_ui->Error(QStringLiteral("Поменяйте язык и региональные стандарты ОС на русские. Или обратитесь на "
                                       "горячую линию программы: ") +
                        kSupportAddress);
            m_terminate = true;
        }
    }
    LoadOptional(kCountriesFileName, m_countries, [](const std::string& p) { return LoadCountries(p); });
    if (m_countries)
        m_grazhd = std::make_unique<TfmGrazhd>(*m_countries, this);
    LoadOptional(kOkvedFileName, m_okved, [](const std::string& p) { return OkvedDict::Load(p); });
    LoadRateDictionary(*m_ui, m_programFolder, m_rates);
}

void TFormMain::ApplyButtonRules() {
    const mTDeclaration& doc = *m_doc;
    const bool anyIncome = doc.HasIncome(kIncomeRussia | kIncomeForeign | kIncomeBusiness | kIncomeInvestTov);
    SetScreenButtonEnabled(ScreenId::InitialData, true);
    SetScreenButtonEnabled(ScreenId::PersonInfo, true);
    SetScreenButtonEnabled(ScreenId::RussianIncome, doc.HasIncome(kIncomeRussia));
    SetScreenButtonEnabled(ScreenId::BusinessIncome, doc.HasIncome(kIncomeBusiness));
    SetScreenButtonEnabled(ScreenId::ForeignIncome, doc.HasIncome(kIncomeForeign));
    SetScreenButtonEnabled(ScreenId::Deduction, anyIncome && doc.DeclarationForm == kForm3Ndfl);
    SetScreenButtonEnabled(ScreenId::InvestTov, doc.HasIncome(kIncomeInvestTov));
}

void TFormMain::SetScreenButtonEnabled(ScreenId id, bool enabled) {
    m_allowed[Index(id)] = enabled;
    m_buttons[Index(id)]->setEnabled(enabled && m_catalog.Has(id));
}

bool TFormMain::IsScreenButtonEnabled(ScreenId id) const {
    return m_buttons[Index(id)]->isEnabled();
}

void TFormMain::SetTitle() {
    const QString name = m_fileName.isEmpty() ? QStringLiteral("Без имени") : QFileInfo(m_fileName).fileName();
    setWindowTitle(name + (m_saved ? QString() : QStringLiteral("*")) + QStringLiteral(" - Zizaza 2017"));
}

void TFormMain::SetSaved(bool saved) {
    m_saved = saved;
    if (saved && m_recovered)
        m_recovered->hide();
    SetTitle();
}

TThinkingFrame* TFormMain::CurrentScreen() const {
    return m_switcher ? m_switcher->Current() : nullptr;
}

TFlashButton* TFormMain::CurrentScreenButton() const {
    return m_switcher ? m_switcher->CurrentButton() : nullptr;
}

}  // namespace zizaza
