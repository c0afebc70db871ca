#include "app/TFormMain.h"
#include "app/TfmTaxReport.h"
#include "calc/kTSvodSum.h"
#include "checks/NavigationCode.h"
#include "model/mTDeclaration.h"
#include "report/TaxReport.h"

namespace zizaza {

void TFormMain::ShowTaxReport() {
    if (RunDeclarationCheck() != CheckOutcome::Passed)
        return;
    kTSvodSum sum;
    sum.Compute(*m_doc);
    const QString html = QString::fromStdString(TaxReportHtml(*m_doc, sum));
    auto* window = new TfmTaxReport(html, *m_ui, this);
    window->SetSaveLocation(DocumentFolder(), DocumentBaseName() + QStringLiteral(" расчет налога"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

}  // namespace zizaza
