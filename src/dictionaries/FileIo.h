#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zizaza {

// The whole file as bytes; DictionaryError naming the file when it cannot be opened or read.
std::string ReadWholeFile(const std::string& path);

// Writes a dictionary file through the program's atomic writer (WriteFileAtomically: the target is
// either left as it was or holds all of the bytes, check sees the bytes read back first).
// DictionaryError naming the file with the system's reason in Russian on any failure of the
// system; what check throws keeps the old file and is passed on.
void WriteDictionaryFile(const std::string& path, std::string_view bytes,
                         const std::function<void(std::string_view written)>& check = {});

}  // namespace zizaza
