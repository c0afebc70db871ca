// What zizaza-cli prints is the program's Russian messages, safe for a terminal: the bytes of a
// file or of an argument never steer it, and a message's own line break is a line break.
#include "support/TempFiles.h"

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace zizaza {
namespace {

using testsupport::Field;
using testsupport::Header;
using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

std::string quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

TEST(CliTerminalOutput, MessagesAreRussianAndCarryNoControlCharacters) {
    TempDir dir;
    const std::string fileEscape = "\x1B]0;x\x07\x1B[2J";   // window title, clear screen
    const std::string escape = fileEscape + "\xC2\x9B[1m";  // and a C1 control sequence
    const std::string shown = "\\x1B]0;x\\x07\\x1B[2J\\u009B[1m";
    const std::string damaged = dir.file("damaged.tv7");
    WriteBytes(damaged, Header() + Field("@TavoInfo") + Field("") + Field("") + Field(fileEscape));
    const std::string missing = dir.file("нет" + escape + ".tv7");
    const std::string shownMissing = dir.file("нет" + shown + ".tv7");
    const struct {
        const char* name;
        std::string args, out, err;
        int status;
    } cases[] = {
        {"a field that is not a number", "show " + quote(damaged), "",
         "Неправильный формат файла декларации, возможно он поврежден.\n", 2},
        {"a file that cannot be read", "check " + quote(missing), "",
         "Ошибка чтения файла: " + shownMissing + "\nВозможно он занят, или с признаком 'read only'\n", 2},
        {"an unknown command", quote("sh" + escape) + " x", "", "Неизвестная команда: sh" + shown + "\n", 2},
        {"a resave of a damaged file", "resave " + quote(damaged) + " " + quote(dir.file("new.tv7")), "",
         "Неправильный формат файла декларации, возможно он поврежден.\n", 2},
    };
    for (const auto& c : cases) {
        const std::string out = dir.file("out.txt"), err = dir.file("err.txt");
        const int raw = std::system(
            (quote(ZIZAZA_BIN_DIR "/zizaza-cli") + " " + c.args + " >" + quote(out) + " 2>" + quote(err)).c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, c.status) << c.name;
        EXPECT_EQ(ReadBytes(out), c.out) << c.name;
        // Later lines (the usage, the system's reason) may follow the message.
        const std::string printed = ReadBytes(err);
        EXPECT_TRUE(printed.starts_with(c.err)) << c.name << ": " << printed;
        EXPECT_EQ(printed.find_first_of("\r\x1B\x07"), std::string::npos) << c.name;
    }
}

}  // namespace
}  // namespace zizaza
