#include "CommandWindowTest.h"

#include <QLineEdit>
#include <filesystem>
#include <fstream>

namespace tolk::testing {

void CommandWindowTest::DragTo(int outerWidth, int outerHeight) {
    const QSize frame = FrameExtent();
    m_window->resize(outerWidth - frame.width(), outerHeight - frame.height());
}

void CommandWindowTest::ExpectAnchoredToClientArea() {
    const int width = m_window->width();
    const int height = m_window->height();
    EXPECT_EQ(Find("FileListBox1")->geometry(), QRect(312, 64, width - 322, height - 74));
    EXPECT_EQ(Find("BitBtn1")->geometry(), QRect(width - 73, 8, 57, 25));
    EXPECT_EQ(Find("convone")->geometry(), QRect(8, height - 48, 97, 33));
    EXPECT_EQ(Find("skipbtn")->geometry(), QRect(120, height - 48, 81, 33));
    EXPECT_EQ(Find("convall")->geometry(), QRect(216, height - 59, 89, 49));
}

Tmainfrm& CommandWindowTest::StartWith(int jobs, const std::vector<std::string>& names) {
    m_services->conversionJobs = jobs;
    Tmainfrm& window = Start();
    m_records.Settings.SourceFldr = MakeFolder("src");
    m_records.Settings.TargetFldr = MakeFolder("out");
    Find<QLineEdit>("ebtarget")->setText(QString::fromStdString(m_records.Settings.TargetFldr));
    m_records.Settings.SourceExt = "txt";
    m_records.Settings.TargetExt = "kml";
    window.FileList().SetNames(names);
    window.FileList().SetCurrentIndex(0);
    return window;
}

std::string CommandWindowTest::MakeFolder(const std::string& name,
                                          const std::vector<std::string>& files) {
    const std::string folder = m_home / name;
    std::filesystem::create_directories(folder);
    for (const std::string& file : files) {
        std::ofstream(folder + "/" + file);
    }
    return folder;
}

} // namespace tolk::testing
