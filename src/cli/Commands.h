#pragma once

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

// Loads the declaration file into declaration; on failure tells why on err and returns false
// (the command then ends with kExitFailure).
bool LoadDeclaration(const std::string& path, mTDeclaration& declaration, std::ostream& err);

int Run(int argc, char** argv);
int Run(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace zizaza::cli
