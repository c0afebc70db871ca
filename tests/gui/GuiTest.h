#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <memory>

#include "ScriptedUi.h"
#include "app/TFormMain.h"
#include "model/mTDeclaration.h"
#include "screens/ScreenCatalog.h"
#include "screens/TContainerFrame.h"
#include "screens/TThinkingFrame.h"
#include "screens/controls/TFlashButton.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza::test {

// The one application object of the test program; settings go to a private folder.
QApplication& App();

// A twelve-digit INN of a person: the ten digits given and the two check digits.
std::string ValidPersonInn(const std::string& first10);

// A fixture base that makes the application before the fixture's own widgets.
struct WithApp {
    WithApp() { App(); }
};

// Keys as the user types them, delivered to the widget.
void TypeText(QWidget* widget, const QString& text);
void PressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void ClickMouse(QWidget* widget, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QPoint at = {2, 2});

// The texts of one column in the rows a list shows (hidden rows left out).
QStringList ShownColumn(const QTreeWidget* list, int column = 0);

template <typename T>
T* Find(QObject* root, const char* name) {
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no widget " << name;
    return found;
}

// A screen for the shell's tests: one edit "meTest"; its check asks for a non-empty text
// (item 7).
class TestScreen : public TThinkingFrame {
public:
    TestScreen(ScreenHost& host, QWidget* parent, DeclarationSlot& slot, QString name);
    void SaveToDocument() override { ++saves; }
    uint16_t CheckScreen() override;
    void FocusItem(uint16_t item) override { focusedItems.push_back(item); }
    void FocusFirstList() override { ++firstListFocused; }

    TMaskedEdit* edit;
    int saves = 0;
    int firstListFocused = 0;
    std::vector<uint16_t> focusedItems;
};

// A container of three test screens named "sub0".."sub2".
class TestContainer : public TContainerFrame {
public:
    TestContainer(ScreenHost& host, QWidget* parent, DeclarationSlot& slot);
};

// Every button has a screen: the real initial data screen, test screens elsewhere, test
// containers for the Russian incomes and the deductions.
ScreenCatalog FullTestCatalog();

// A program folder of its own: the help pages, and the dictionaries a test puts there.
class ProgramFolder {
public:
    ProgramFolder();
    QString Path() const { return m_dir.path() + QLatin1Char('/'); }
    QString File(const QString& name) const { return Path() + name; }
    void AddHelp();
    // A small inspections dictionary: 0101, 0102, 5001, 7700, 7701, 7712.
    void AddInspections();
    void Write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
};

// A main window over a scripted interface and a private program folder.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    TFormMain& Start(QStringList arguments = {}, bool fullCatalog = true);
    void Restart(QStringList arguments = {});
    // A saved declaration file with the inspection code given.
    QString SavedDeclaration(const QString& name, const std::string& inspection, uint16_t flags = 1);
    // A saved declaration that passes the whole-declaration check: inspection 7701, a taxpayer
    // with surname, first name, a valid INN and an OKTMO.
    QString CleanDeclaration(const QString& name);

    // A declaration the initial data screen passes: inspection 7701, the income bits and form given.
    static mTDeclaration ScreenDeclaration(uint16_t incomeFlags = kIncomeRussia, DeclarationForm form = kForm3Ndfl);
    // Saves the declaration in the test's folder and starts the window on it with the real screens;
    // gives the file's path.
    QString OpenDeclaration(const mTDeclaration& doc, const QString& name = QStringLiteral("declaration.tv7"));
    // Shows the screen of the button and gives it as T; with a flash button's name, clicks it too
    // and gives the container's sub-screen.
    template <typename T>
    T& ShowScreen(ScreenId id, const char* flashButton = nullptr) {
        window->ScreenButton(id)->click();
        if (flashButton)
            Find<TFlashButton>(window.get(), flashButton)->click();
        return ShownScreen<T>();
    }
    // The screen shown, or the sub-screen of the container shown, as T.
    template <typename T>
    T& ShownScreen() {
        QWidget* shown = window->CurrentScreen();
        if (!dynamic_cast<T*>(shown)) {
            if (auto* container = dynamic_cast<TContainerFrame*>(shown))
                shown = container->CurrentSubScreen();
        }
        auto* screen = dynamic_cast<T*>(shown);
        EXPECT_NE(screen, nullptr) << "the screen is not shown";
        return *screen;
    }

    ScriptedUi ui;
    // Handed to the window as its print module factory; empty: the plug-in beside the tests.
    std::function<std::unique_ptr<IPrintModule>()> printModule;
    ProgramFolder folder;
    QTemporaryDir files;
    std::unique_ptr<TFormMain> window;
};

}  // namespace zizaza::test
