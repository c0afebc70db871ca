#include "export/DeclarationXml.h"
#include "export/XmlBody3Ndfl.h"
#include "export/XmlExportText.h"
#include "export/XmlTitlePage.h"
#include "model/mTDeclaration.h"

#include <cstdio>

namespace zizaza {
namespace {

std::string CompactDate(Date d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", d.Year(), d.Month(), d.Day());
    return buf;
}

}  // namespace

std::string DeclarationFileId(const mTDeclaration& d, Date today, const std::string& guid) {
    const std::string& code = d.InspectionCode;
    const std::string& inn = d.Person.Name.Inn;
    std::string date = CompactDate(today);
    if (d.DeclarationForm == kForm4Ndfl)
        return "NO_NDFL4_" + code + "_" + code + "_" + inn + "_" + date + "_" + guid;
    // A blank INN would put blanks into the name: it counts as no INN.
    std::string innPart = IsBlank(inn) ? "_000000000000_" : "_" + inn + "_";
    return "NO_NDFL3_" + code + "_" + code + innPart + date + "_" + guid;
}

XmlDocument BuildDeclarationDocument(const mTDeclaration& d, const XmlFigures* figures, const std::string& fileId,
                                     Date today) {
    bool ndfl4 = d.DeclarationForm == kForm4Ndfl;
    XmlDocument xml;
    // The root is built through the tree rather than parsed from text, so that whatever the
    // identifier holds is escaped; its three attributes keep their case.
    XmlElement root = xml.CreateRoot("Файл");
    root.SetAttribute("ИдФайл", fileId);
    root.SetAttribute("ВерсПрог", kXmlProgramVersion);
    root.SetAttribute("ВерсФорм", ndfl4 ? "5.02" : "5.12");

    XmlElement document = WriteTitlePage(root, d, today.ToText());
    if (ndfl4) {
        Write4NdflBody(document, d);
    } else {
        if (!figures)
            throw XmlError("a 3-NDFL document needs its calculation");
        Write3NdflBody(document, d, *figures);
    }
    return xml;
}

}  // namespace zizaza
