#pragma once

#include <exception>
#include <iosfwd>
#include <string>
#include <vector>

namespace zizaza {
class mTDeclaration;
}

namespace zizaza::cli {

using Args = std::vector<std::string>;

// One command of the tool. Each command lives in a file of its own and registers itself with a
// static CommandRegistrar, so adding a command touches no shared file.
struct CommandInfo {
    const char* name;
    const char* usage;  // one line: parameters and what the command does
    int (*run)(const Args& args, std::ostream& out, std::ostream& err);
    // The command's standard output is data (bytes as they are, for a file or a pipe) rather than
    // text for the terminal; the output of the other commands is made safe by TerminalText.
    bool dataOnOutput = false;
};

struct CommandRegistrar {
    explicit CommandRegistrar(const CommandInfo& info);
};

// Exit statuses shared by the commands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitProblems = 1;
inline constexpr int kExitFailure = 2;

// Value of "--name VALUE" in args, or empty; removes both words from args when found.
bool TakeOption(Args& args, const std::string& name, std::string& value);
// Whether "--name" is in args; removes it when found.
bool TakeFlag(Args& args, const std::string& name);

// The user's message for an error the command caught: the program's own Russian text; a field
// the load could not convert is a damaged file; anything else gets a message of its own rather
// than the library's English.
std::string ErrorMessage(const std::exception& e);

// Loads the declaration file into declaration; on failure tells why on err and returns false
// (the command then ends with kExitFailure).
bool LoadDeclaration(const std::string& path, mTDeclaration& declaration, std::ostream& err);

// The folder of the running program, where its dictionaries, schemas and helpers lie.
std::string ProgramFolder();

int Run(int argc, char** argv);
int Run(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace zizaza::cli
