#pragma once

#include "print/module/DeclarationXml.h"
#include "print/module/FormBuilder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <string>
#include <vector>

namespace zizaza::print::test {

// The export's golden files: real declarations as the program writes them (windows-1251).
inline QString GoldenPath(const char* name) {
    return QStringLiteral(ZIZAZA_SOURCE_DIR "/tests/export/golden/") + QString::fromLatin1(name) +
           QStringLiteral(".xml");
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline std::string ReadGolden(const char* name) {
    return ReadFile(GoldenPath(name)).toStdString();
}

// The declaration with foreign dividends, its first foreign income repeated until it holds count of
// them (each on a page of its own), as UTF-8 text.
inline QByteArray ManyForeignIncomes(int count) {
    QString xml = QStringDecoder("windows-1251").decode(ReadFile(GoldenPath("foreign_dividends")));
    const qsizetype start = xml.indexOf(QStringLiteral("<РасчДохНалИно"));
    const qsizetype end = xml.indexOf(QStringLiteral("/>"), start) + 2;
    const QString income = xml.mid(start, end - start);
    QString many;
    for (int i = 0; i < count; ++i)
        many += QString(income).replace(QStringLiteral("APPLE INC."), QStringLiteral("APPLE INC. %1").arg(i + 1));
    return xml.replace(start, xml.indexOf(QStringLiteral("</ДоходИстИно>")) - start, many).toUtf8();
}

inline std::vector<FormPage> PagesOf(const QByteArray& xml, const QString& recipient = {}) {
    auto root = ParseDeclarationXml(xml);
    return BuildFormPages(*root, RenderParams{recipient});
}

// Cell texts lose their dashes and blanks, so that a value can be looked for as it is written in
// the XML ("600000.00", "45 10 654321").
inline QString Squash(QString text) {
    static const QRegularExpression noise(QStringLiteral("[\\s\\-]"));
    return text.remove(noise);
}

inline QString PageCells(const FormPage& page) {
    QString all;
    for (const CellItem& cell : page.cells)
        all += cell.Text() + QLatin1Char('|');
    return all;
}

// Text of a PDF as pdftotext (poppler-utils) extracts it.
inline QString PdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int PdfPageCount(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished(60000);
    auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                     .match(QString::fromUtf8(process.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The value of the first attribute of that name in an XML text (to compare the paper with the
// declaration it was made from, whatever the declaration holds).
inline QString FirstAttribute(const QByteArray& xml, const QString& name) {
    auto root = ParseDeclarationXml(xml);
    std::vector<const XmlElement*> todo{root.get()};
    while (!todo.empty()) {
        const XmlElement* e = todo.front();
        todo.erase(todo.begin());
        if (e->Has(name))
            return e->Attr(name);
        for (const auto& child : e->children)
            todo.push_back(child.get());
    }
    return {};
}

}  // namespace zizaza::print::test
