#pragma once

#include <string>
#include <string_view>

namespace zizaza {

class mTDeclaration;

// The declaration's container in memory: exactly the bytes mTDeclaration::Save writes, and their
// reading with the same errors and the same all-or-nothing rule as Load (undo steps).
std::string SaveDeclarationToBytes(const mTDeclaration& doc);
void LoadDeclarationFromBytes(mTDeclaration& doc, std::string_view bytes);

// Whether the file is a declaration of an earlier yearly edition, of which loading takes the
// personal data only: such a file is never to be replaced by a save of what was taken.
bool IsEarlierEditionFile(const std::string& fileName);

}  // namespace zizaza
