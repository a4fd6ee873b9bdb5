#include "settings/SettingsFile.h"

#include "core/TolkError.h"
#include "core/Translate.h"
#include "settings/IntegerText.h"
#include "settings/ProfileStrings.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

namespace tolk {
namespace {

const char* const Section = "GENERAL";
const std::int32_t MinimumHeight = 400;

// The file is read once for all its keys.
using Content = std::optional<std::string>;

std::string ReadText(const Content& content, const char* key, const std::string& defaultValue) {
    return ProfileStringIn(content, Section, key, defaultValue);
}

bool ReadYesNo(const Content& content, const char* key, bool defaultValue) {
    std::string text = ReadText(content, key, "");
    // Yes/no values alone also take C-style hexadecimal.
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.replace(0, 2, "$");
    }
    const std::optional<std::int32_t> value = IntegerFromText(text);
    return value ? *value != 0 : defaultValue;
}

const char* const DefaultBoundsText = "0 0 478 395";

// Takes the four bounds from their text, each stored as soon as it is converted.
void ParseBounds(std::string text, WindowBounds& bounds) {
    for (std::int32_t* field : {&bounds.Left, &bounds.Top, &bounds.Right, &bounds.Bottom}) {
        *field = StrictInteger(NextToken(' ', text));
    }
    // A Top within 400 of the largest 32-bit value leaves no room for Bottom: Top is made smaller
    // until there is, so that the window keeps its height (it lies far off every screen either
    // way, and is brought onto one when shown).
    const std::int32_t highest = std::numeric_limits<std::int32_t>::max();
    if (std::int64_t{bounds.Top} + MinimumHeight > highest) {
        bounds.Top = highest - MinimumHeight;
    }
    bounds.Bottom = std::max(bounds.Bottom, bounds.Top + MinimumHeight);
}

std::string BoundsText(const WindowBounds& bounds) {
    return std::to_string(bounds.Left) + " " + std::to_string(bounds.Top) + " " +
           std::to_string(bounds.Right) + " " + std::to_string(bounds.Bottom);
}

} // namespace

void LoadSettings(const std::string& path, const std::string& userFolder,
                  ConversionSettings& settings) {
    const Content content = ReadProfileFile(path);
    settings.SourceFldr = ReadText(content, "SourceFldr", userFolder);
    settings.TargetFldr = ReadText(content, "TargetFldr", userFolder);
    settings.SourceExt = ReadText(content, "SourceExt", "txt");
    settings.TargetExt = ReadText(content, "TargetExt", "kml");
    settings.TargAsSrc = ReadYesNo(content, "TargAsSrc", false);
    settings.MergeExt = ReadText(content, "MergeExt", "");
    settings.Datum = ReadText(content, "Datum", "WGS 84");
    settings.Grid = ReadText(content, "Grid", "LAT LON DM");
    ParseBounds(ReadText(content, "WBounds", DefaultBoundsText), settings.WBounds);
}

void SaveSettings(const std::string& path, const ConversionSettings& settings,
                  Messenger& messenger) {
    const std::pair<const char*, std::string> entries[] = {
        {"SourceFldr", settings.SourceFldr},
        {"TargetFldr", settings.TargetFldr},
        {"SourceExt", settings.SourceExt},
        {"TargetExt", settings.TargetExt},
        {"MergeExt", settings.MergeExt},
        {"TargAsSrc", settings.TargAsSrc ? "1" : "0"},
        {"Datum", settings.Datum},
        {"Grid", settings.Grid},
        {"WBounds", BoundsText(settings.WBounds)},
    };
    std::string leftOut;
    for (const auto& [key, value] : entries) {
        if (HasLineBreak(value)) {
            leftOut += (leftOut.empty() ? "" : ", ") + std::string(key);
        } else if (!WriteProfileString(Section, key, value, path)) {
            throw TolkError(Tr("Settings", "Unable to write to %1", {path}));
        }
    }
    if (!leftOut.empty()) {
        messenger.ShowMessage(Tr("Settings",
                                 "The settings file %1 cannot hold a line break; not saved: %2",
                                 {path, leftOut}));
    }
}

WindowBounds DefaultWindowBounds() {
    WindowBounds bounds;
    ParseBounds(DefaultBoundsText, bounds);
    return bounds;
}

std::string NextToken(char separator, std::string& remaining) {
    // The cuts keep the token rules the settings file has always been read with.
    while (!remaining.empty() && remaining.front() == ' ') {
        remaining = remaining.substr(1, 9999);
    }
    if (remaining.empty()) {
        return {};
    }
    std::string token;
    if (remaining.front() == '"') {
        token = "\"";
        remaining = remaining.substr(1, 9999);
        const std::size_t quote = remaining.find('"');
        const std::size_t quoted = quote == std::string::npos ? remaining.size() : quote + 1;
        token += remaining.substr(0, quoted);
        remaining.erase(0, quoted);
    }
    const std::size_t at = remaining.find(separator);
    if (at == std::string::npos) {
        token += remaining;
        remaining.clear();
    } else {
        token += remaining.substr(0, at);
        remaining = remaining.substr(at + 1, 999);
    }
    return token;
}

} // namespace tolk
