#pragma once

#include <initializer_list>
#include <string>

namespace tolk {

/// A text the programs show, in the user's language where a loaded catalogue has it, else the
/// English source exactly as given. `context` groups texts for translators (the class or the
/// part of the program that shows them). scripts/update-translations hands these calls to lupdate
/// as aliases of translate(), with the argument list of the second form left out.
std::string Tr(const char* context, const char* source);

/// The same, with Qt's place markers %1, %2, ... replaced by the arguments in order, after the
/// translation, so that a translator may move them.
std::string Tr(const char* context, const char* source, std::initializer_list<std::string> args);

} // namespace tolk
