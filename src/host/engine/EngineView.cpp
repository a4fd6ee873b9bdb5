#include "host/engine/EngineView.h"

#include "host/engine/HeldFolder.h"

#include <QString>
#include <algorithm>

namespace tolk {

namespace fs = std::filesystem;

namespace {

// An extension the engine may see as it is: a dot and a few ASCII letters or digits.
bool PlainExtension(const std::string& extension) {
    return extension.size() > 1 && extension.size() <= 16 &&
           std::all_of(extension.begin() + 1, extension.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
           });
}

// A path the engine receives intact: valid UTF-8, the encoding its arguments are passed in.
bool PassesIntact(const fs::path& path) {
    const std::string& text = path.native();
    return QString::fromStdString(text).toStdString() == text;
}

} // namespace

EngineView::EngineView() = default;

EngineView::~EngineView() = default;

std::string EngineView::PrivateFolder() {
    if (!m_dir) {
        m_dir = std::make_unique<HeldFolder>();
    }
    return m_dir->Made() ? m_dir->Path().string() : std::string();
}

std::string EngineView::Link(const fs::path& target, const std::string& name) {
    const std::string folder = PrivateFolder();
    if (folder.empty()) {
        return {};
    }
    const fs::path link = fs::path(folder) / name;
    std::error_code error;
    fs::create_symlink(target, link, error);
    return error ? std::string() : link.string();
}

std::string EngineView::Source(const fs::path& file) {
    if (PassesIntact(file)) {
        return file.string();
    }
    const std::string stem = "in" + std::to_string(m_links++);
    const std::string extension = file.extension().string();
    const std::string linked =
        Link(file, stem + (PlainExtension(extension) ? extension : std::string(".src")));
    if (linked.empty()) {
        return {};
    }
    // Companions: "walk.shp" reads "walk.dbf" and "walk.shx" beside it.
    const std::string fileStem = file.stem().string();
    std::error_code error;
    for (fs::directory_iterator entry(file.parent_path(), error), end; !error && entry != end;
         entry.increment(error)) {
        const fs::path& sibling = entry->path();
        if (sibling.stem() == fileStem && sibling.filename() != file.filename() &&
            PlainExtension(sibling.extension().string())) {
            Link(sibling, stem + sibling.extension().string());
        }
    }
    return linked;
}

std::string EngineView::Scratch(const std::string& name) {
    const std::string folder = PrivateFolder();
    return folder.empty() ? std::string() : (fs::path(folder) / name).string();
}

std::string EngineView::Folder(const fs::path& folder) {
    return PassesIntact(folder) ? folder.string() : Link(folder, "out" + std::to_string(m_links++));
}

} // namespace tolk
