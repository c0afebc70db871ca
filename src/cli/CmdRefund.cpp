// zizaza-cli refund: the applications for the refund of the tax that section 1 of the declaration
// gives back, one for each budget code and OKTMO, as a PDF file through the print module.
#include "checks/DeclarationCheck.h"
#include "cli/Commands.h"
#include "cli/Renderer.h"
#include "export/DeclarationXml.h"
#include "filing/BicDirectory.h"
#include "filing/RefundApplication.h"
#include "model/mTDeclaration.h"

#include <unistd.h>

#include <filesystem>
#include <ostream>

namespace zizaza::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "ФАЙЛ.tv7 ВЫХОД.pdf --bik БИК --account СЧЕТ [--bank НАЗВАНИЕ] [--corr КОРСЧЕТ] [--bic-dir bnkseek.dbf|ED807.xml] "
    "[--address АДРЕС] [--date ДД.ММ.ГГГГ] [--force]  заявления о возврате налога (КНД 1150058) по строкам раздела 1 "
    "к возврату, в файл PDF; реквизиты банка проверяются; справочник БИК Банка России дает наименование банка и "
    "корреспондентский счет; --address - адрес для заявления без ИНН; --force и при ошибках проверки декларации";

int run(const Args& input, std::ostream& out, std::ostream& err) {
    Args args = input;
    RefundRequest request;
    TakeOption(args, "--bik", request.bank.bic);
    TakeOption(args, "--account", request.bank.account);
    TakeOption(args, "--bank", request.bank.bankName);
    TakeOption(args, "--corr", request.bank.correspondentAccount);
    TakeOption(args, "--address", request.address);
    std::string directoryFile;
    TakeOption(args, "--bic-dir", directoryFile);
    std::string dateText;
    request.date = Date::Today();
    if (TakeOption(args, "--date", dateText)) {
        auto date = Date::Parse(dateText);
        if (!date) {
            err << "Неверная дата: " << dateText << "\n";
            return kExitFailure;
        }
        request.date = *date;
    }
    const bool force = TakeFlag(args, "--force");
    if (args.size() != 2 || request.bank.bic.empty() || request.bank.account.empty()) {
        err << "Использование: zizaza-cli refund " << kUsage << "\n";
        return kExitFailure;
    }
    if (!directoryFile.empty()) {
        try {
            const BicDirectory directory = BicDirectory::Load(directoryFile);
            auto bank = directory.Find(request.bank.bic);
            if (!bank) {
                err << "БИК " << request.bank.bic << " нет в справочнике БИК " << directoryFile << ": проверьте БИК.\n";
                return kExitFailure;
            }
            if (request.bank.bankName.empty())
                request.bank.bankName = bank->name;
            if (request.bank.correspondentAccount.empty())
                request.bank.correspondentAccount = bank->correspondentAccount;
        } catch (const FilingError& e) {
            err << e.what() << "\n";
            return kExitFailure;
        }
    }
    // The details are the user's typing: wrong ones stop the command before anything is read or written.
    if (auto problem = CheckBankDetails(request.bank)) {
        err << problem->message << (problem->field == BankField::BankName ? " (--bank НАЗВАНИЕ)" : "") << "\n";
        return kExitFailure;
    }
    const fs::path renderer = RendererProgram();
    mTDeclaration declaration;
    if (!LoadDeclaration(args[0], declaration, err))
        return kExitFailure;
    if (!force && !DeclarationPassesCheck(declaration, out))
        return kExitProblems;
    std::string xml;
    XmlExportOptions options;
    options.showMessage = [&err](const std::string& message) { err << message << "\n"; };
    if (!BuildDeclarationXml("", declaration, XmlExportMode::Text, xml, options)) {
        err << "Файл не сформирован, свяжитесь с разработчиками.\n";
        return kExitFailure;
    }
    std::string applications;
    size_t count = 0;
    try {
        const FiledDeclaration filed = ReadFiledDeclaration(xml, args[0]);
        count = filed.RefundLines().size();
        applications = RefundApplicationsXml(filed, request);
    } catch (const FilingError& e) {
        err << e.what() << "\n";
        return kExitFailure;
    }
    // The print module is looked for once there is something to lay out, so that wrong details and a
    // declaration without a refund are told as such wherever the module is.
    if (::access(renderer.c_str(), X_OK) != 0) {
        err << kModuleMissing << "\n";
        return kExitFailure;
    }
    PrivateTempFile file(applications, "refund.xml");
    if (!file.ok()) {
        err << "Не удалось записать временный файл для модуля печати\n";
        return kExitFailure;
    }
    const std::string output = fs::absolute(args[1]).string();
    if (!RenderInto(renderer, {file.path().string(), output}, output, err))
        return kExitFailure;
    out << "Сформирован файл " << output << ": заявлений о возврате налога - " << count << "\n";
    return kExitOk;
}

const CommandRegistrar registrar({"refund", kUsage, run});

}  // namespace
}  // namespace zizaza::cli
