#include "app/MenuAccelerators.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace zizaza {

namespace {

// The position of an accelerator's letter ("&x"); -1 without one ("&&" is an ampersand).
qsizetype AcceleratorAt(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return i + 1;
        ++i;
    }
    return -1;
}

void AssignInMenu(QMenu* menu) {
    QSet<QChar> taken;
    const QList<QAction*> actions = menu->actions();
    for (QAction* a : actions)
        if (const qsizetype at = AcceleratorAt(a->text()); at >= 0)
            taken.insert(a->text()[at].toLower());
    for (QAction* a : actions)
        if (!a->isSeparator() && AcceleratorAt(a->text()) < 0)
            a->setText(WithAccelerator(a->text(), taken));
}

}  // namespace

QString WithAccelerator(const QString& text, QSet<QChar>& taken) {
    if (const qsizetype at = AcceleratorAt(text); at >= 0) {
        taken.insert(text[at].toLower());
        return text;
    }
    auto free = [&](qsizetype i) { return text[i].isLetter() && !taken.contains(text[i].toLower()); };
    qsizetype chosen = -1;
    for (qsizetype i = 0; i < text.size() && chosen < 0; ++i)
        if ((i == 0 || text[i - 1].isSpace()) && free(i))
            chosen = i;
    for (qsizetype i = 0; i < text.size() && chosen < 0; ++i)
        if (free(i))
            chosen = i;
    if (chosen < 0)
        return text;
    taken.insert(text[chosen].toLower());
    QString marked = text;
    marked.insert(chosen, QLatin1Char('&'));
    return marked;
}

void AssignAccelerators(QMenuBar* bar, QSet<QChar> reserved) {
    QSet<QChar> taken = std::move(reserved);
    for (QAction* a : bar->actions()) {
        QMenu* menu = a->menu();
        if (!menu)
            continue;
        menu->setTitle(WithAccelerator(menu->title(), taken));
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { AssignInMenu(menu); });
    }
}

}  // namespace zizaza
