#pragma once

#include "core/ConversionSettings.h"
#include "core/Messenger.h"

#include <string>

namespace tolk {

/// Fills every field of `settings` from section "GENERAL" of the settings file, each missing
/// key giving its default (both folders: userFolder). The window bounds are read last; a bad
/// bounds token throws "'<token>' is not a valid integer value", leaving the bounds converted
/// before it in place. Loaded bounds are at least 400 pixels high; where Top lies so close to
/// the largest 32-bit value that Bottom cannot, Top is made smaller to make room.
void LoadSettings(const std::string& path, const std::string& userFolder,
                  ConversionSettings& settings);

/// The bounds that loading gives when the file holds none.
WindowBounds DefaultWindowBounds();

/// Writes every field of `settings`, one key after the other in the file's key order. A value the
/// file cannot hold (one with a line break, such as a folder named so) is left out and said
/// through the messenger once every other key is written. Throws "Unable to write to <path>" at
/// the first key the file refuses otherwise; the keys before it stay written, those after it are
/// not written.
void SaveSettings(const std::string& path, const ConversionSettings& settings,
                  Messenger& messenger);

/// Takes the next token from `remaining`: leading spaces are skipped; a token that begins with
/// a double quote keeps its quotes and runs on past the closing quote to the separator. The
/// rest after a separator is cut to 999 characters, the rest after a skipped space or opening
/// quote to 9999.
std::string NextToken(char separator, std::string& remaining);

} // namespace tolk
