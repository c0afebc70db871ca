#pragma once

#include "calc/kTIncomeKindCodes.h"
#include "calc/kTSvodSumList.h"
#include "calc/kTSvodSumList6.h"
#include "calc/kTSvodSumPrilA13.h"
#include "calc/kTSvodSumPrilA15.h"
#include "calc/kTSvodSumPrilA30.h"
#include "calc/kTSvodSumPrilA35.h"
#include "calc/kTSvodSumPrilB.h"
#include "calc/kTSvodSumPrilE1.h"
#include "calc/kTSvodSumPrilE2.h"
#include "calc/kTSvodSumPrilE3.h"
#include "calc/kTSvodSumPrilG.h"
#include "calc/kTSvodSumPrilG_In.h"
#include "calc/kTSvodSumPrilH1.h"
#include "calc/kTSvodSumPrilI.h"
#include "calc/kTSvodSumPrilJ.h"
#include "calc/kTSvodSumPrilM.h"
#include "calc/kTSvodSumPrilV1.h"
#include "calc/kTSvodSumPrilZ.h"
#include "export/DeclarationXml.h"
#include "export/XmlBody3Ndfl.h"
#include "export/XmlDom.h"
#include "storage/TextCodec.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace zizaza::exporttest {

inline Money Rub(int64_t roubles) {
    return Money::Roubles(roubles);
}
inline Money Kop(int64_t kopecks) {
    return Money::Kopecks(kopecks);
}

// Every sheet the 3-NDFL body reads, zero until a test fills it.
struct TestFigures {
    kTSvodSumList6 list6;
    kTSvodSumListDiv listDiv;
    kTSvodSumListKIK listKik;
    kTSvodSumList1 list1;
    kTSvodSumList2 list2;
    kTSvodSumList3 list3;
    kTSvodSumList4 list4;
    kTSvodSumList5 list5;
    kTSvodSumPrilA13 prilA13;
    kTSvodSumPrilA15 prilA15;
    kTSvodSumPrilA30 prilA30;
    kTSvodSumPrilA35 prilA35;
    kTSvodSumPrilB prilB9{9};
    kTSvodSumPrilB prilB13{13};
    kTSvodSumPrilB prilB35{35};
    kTSvodSumPrilV1 prilV1;
    kTSvodSumPrilM prilM;
    kTSvodSumPrilZ prilZ;
    kTSvodSumPrilH1 prilH1;
    kTSvodSumPrilE1 prilE1;
    kTSvodSumPrilE2 prilE2;
    kTSvodSumPrilE3 prilE3;
    kTSvodSumPrilG prilG;
    kTSvodSumPrilG_In prilGIn;
    kTSvodSumPrilJ prilJ{kTSvodSumPrilJ::Account::Ordinary};
    kTSvodSumPrilJ prilJIis{kTSvodSumPrilJ::Account::Iis};
    kTSvodSumPrilI prilI;
    kTIncomeKindCodes kindCodes;

    TestFigures() { list1.Ставка = "13"; }

    XmlFigures View() const {
        return XmlFigures{list6,   listDiv, listKik, list1,   list2,   list3,    list4, list5,    prilA13, prilA15,
                          prilA30, prilA35, prilB9,  prilB13, prilB35, prilV1,   prilM, prilZ,    prilH1,  prilE1,
                          prilE2,  prilE3,  prilG,   prilGIn, prilJ,   prilJIis, prilI, kindCodes};
    }
};

// A function, not a constant: Date::Ymd must not run during static initialisation.
inline Date TestToday() {
    return Date::Ymd(2018, 3, 15);
}
inline const char* kGuid = "0F8FAD5B-D9CB-469F-A165-70867728950E";

// The document of a declaration with the figures given, saved and parsed again, so that tests
// read what the file would hold.
inline XmlDocument ExportDocument(const mTDeclaration& d, const TestFigures& f) {
    XmlFigures view = f.View();
    XmlDocument built = BuildDeclarationDocument(d, &view, DeclarationFileId(d, TestToday(), kGuid), TestToday());
    return XmlDocument::Parse(built.SaveToText(kXmlEncoding));
}

// The element at a path of names below the root ("Документ/СвНП/НПФЛ3"); null when missing.
inline XmlElement At(const XmlDocument& doc, const std::string& path) {
    XmlElement e = doc.Root();
    std::stringstream parts(path);
    std::string name;
    while (!e.IsNull() && std::getline(parts, name, '/'))
        e = e.Child(name);
    return e;
}

inline std::vector<std::string> AttributeNames(XmlElement e) {
    std::vector<std::string> names;
    for (const auto& [name, value] : e.Attributes())
        names.push_back(name);
    return names;
}

inline std::vector<std::string> ChildNames(XmlElement e) {
    std::vector<std::string> names;
    for (const XmlElement& c : e.Children())
        names.push_back(c.Name());
    return names;
}

inline std::string Attr(XmlElement e, const std::string& name) {
    return e.Attribute(name).value_or("<absent>");
}

}  // namespace zizaza::exporttest
