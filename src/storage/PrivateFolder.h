#pragma once

#include <string>

namespace zizaza {

// Folders where the program keeps personal data on its own (recovery copies with names, INN and
// passport data): only their owner may enter them or read their files, whatever the umask.
// Creates the folder (and its parents) when missing, sets it to 0700, and every folder below it to
// 0700 and every file to 0600 where they are looser. Symbolic links are neither followed nor
// changed. False when the folder cannot be made or mended.
bool MakePrivateFolder(const std::string& path);

}  // namespace zizaza
