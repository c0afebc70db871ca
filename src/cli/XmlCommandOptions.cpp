#include "cli/XmlCommandOptions.h"

#include "export/XmlExportText.h"

#include <ostream>
#include <regex>

namespace zizaza::cli {

bool TakeXmlOptions(Args& args, XmlExportOptions& options, std::ostream& err) {
    std::string today;
    if (TakeOption(args, "--today", today)) {
        auto date = Date::Parse(today);
        if (!date) {
            err << "Неверная дата: " << today << "\n";
            return false;
        }
        options.today = *date;
    }
    std::string guid;
    if (TakeOption(args, "--guid", guid)) {
        static const std::regex form("[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}");
        if (!std::regex_match(guid, form)) {
            err << "Неверный GUID: " << guid << "\n";
            return false;
        }
        options.fileGuid = UpperCase(guid);
    }
    options.showMessage = [&err](const std::string& message) { err << message << "\n"; };
    return true;
}

}  // namespace zizaza::cli
