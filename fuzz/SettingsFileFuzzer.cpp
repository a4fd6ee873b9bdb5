// Loads the input as a settings file, saves the settings back into it and loads them again: the
// load either works or names the bad bounds token, every value it gives survives the save (one
// the file cannot hold is left out, and said), and the lines the save does not own keep their
// values.
#include "FuzzInput.h"
#include "core/TolkError.h"
#include "settings/ProfileStrings.h"
#include "settings/SettingsFile.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

using tolk::ConversionSettings;
using tolk::fuzz::Require;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// A text that reading gives back exactly as it was written: reading trims blanks, removes one
// pair of quotes and stops at a line break.
bool ReadsBackAsWritten(const std::string& value) {
    if (value.find_first_of("\r\n") != std::string::npos) {
        return false;
    }
    if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back()))) {
        return false;
    }
    return !(value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
             value.back() == value.front());
}

std::array<std::string, 7> TextsOf(const ConversionSettings& settings) {
    return {settings.SourceFldr, settings.TargetFldr, settings.SourceExt, settings.TargetExt,
            settings.MergeExt,   settings.Datum,      settings.Grid};
}

// Loads the settings; a failure must name the bad bounds token. (Read as a C string, the message
// ends early at a NUL of the token.)
bool Load(const std::string& path, bool holdsNul, ConversionSettings& settings) {
    try {
        tolk::LoadSettings(path, "/user", settings);
        return true;
    } catch (const tolk::TolkError& error) {
        const std::string message = error.what();
        Require(message.starts_with("'") &&
                (message.ends_with("' is not a valid integer value") || holdsNul));
        return false;
    }
}

class SaidMessages : public tolk::Messenger {
public:
    void ShowMessage(const std::string&) override { ++said; }
    bool AskYesNo(const std::string&) override { return false; }
    void ReportError(const std::string&) override {}
    int said = 0;
};

struct OtherValues {
    std::string extra;
    std::string otherSection;
    bool operator==(const OtherValues&) const = default;
};

OtherValues ReadOthers(const std::string& path) {
    return {tolk::ReadProfileString("GENERAL", "Extra", "(none)", path),
            tolk::ReadProfileString("Other", "SourceFldr", "(none)", path)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = tolk::fuzz::TextOf(data, size);
    const std::string path = tolk::fuzz::ScratchFile(text);
    const bool holdsNul = text.find('\0') != std::string::npos;
    ConversionSettings settings;
    if (!Load(path, holdsNul, settings)) {
        return 0;
    }
    const tolk::WindowBounds& bounds = settings.WBounds;
    Require(std::int64_t{bounds.Bottom} >=
            std::min<std::int64_t>(std::int64_t{bounds.Top} + 400,
                                   std::numeric_limits<std::int32_t>::max()));
    const std::array<std::string, 7> texts = TextsOf(settings);
    for (const std::string& text : texts) {
        Require(text.size() < tolk::ProfileBufferSize);
    }

    const OtherValues others = ReadOthers(path);
    // A file that was read can be written; a value with a line break in it is left out and said.
    SaidMessages messages;
    tolk::SaveSettings(path, settings, messages);
    Require(messages.said == (std::ranges::any_of(texts, tolk::HasLineBreak) ? 1 : 0));
    ConversionSettings reloaded;
    Require(Load(path, holdsNul, reloaded));
    Require(ReadOthers(path) == others);
    const std::array<std::string, 7> reloadedTexts = TextsOf(reloaded);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        Require(!ReadsBackAsWritten(texts[i]) || texts[i] == reloadedTexts[i]);
    }
    Require(reloaded.TargAsSrc == settings.TargAsSrc);
    Require(reloaded.WBounds == settings.WBounds);
    return 0;
}
