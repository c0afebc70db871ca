#pragma once

#include "screens/TEntryDialog.h"

#include <string>

namespace zizaza {

struct ForeignImport;

// "Загрузка из отчета брокера": what a report gives before anything is added to the declaration:
// the payments to be imported, the lines merged and every refused line with its reason. "Загрузить"
// adds the payments; with refused lines the button is "Загрузить остальные", and Enter alone does
// not press it: leaving lines out is the user's explicit choice. Without any payment only "Закрыть"
// is left.
class TfmForeignImport : public TEntryDialog {
    Q_OBJECT
public:
    TfmForeignImport(ScreenHost& host, const ForeignImport& result);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // "Сохранить отчет...": the report as shown, written whole to a text file.
    void SaveReport(const std::string& text);

    bool m_refused = false;
};

}  // namespace zizaza
