#pragma once

#include "MessageRecorder.h"
#include "RecordingHelpViewer.h"
#include "ScriptedFolderDialog.h"
#include "ScriptedHost.h"
#include "TempHome.h"
#include "app/Tmainfrm.h"
#include "app/UseHTMLHelp.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace tolk::testing {

/// The real main window over a scripted host, a scripted folder dialog and a recording help
/// viewer, with the help bridge attached as at program entry.
class CommandWindowTest : public ::testing::Test {
protected:
    CommandWindowTest()
        : m_services(std::make_unique<AppServices>(AppServices{
              m_messages, [script = m_script] { return std::make_unique<ScriptedHost>(script); },
              m_home / "bin/tolkconv"})),
          m_bridge(*m_services->help, m_records.HelpFile, m_viewer) {
        m_services->folderDialog = m_dialog;
    }
    void TearDown() override {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
        m_window.reset();
    }

    Tmainfrm& Start() {
        m_window = std::make_unique<Tmainfrm>(m_records, *m_services);
        m_window->show();
        // What start-up showed and asked is the start-up tests' business.
        m_messages.shown.clear();
        m_script->calls.clear();
        return *m_window;
    }
    /// Starts the window for a run: the names listed as the source folder's files (type txt, to
    /// kml in another folder), the first one current, converted by `jobs` jobs.
    Tmainfrm& StartWith(int jobs, const std::vector<std::string>& names);
    template <class Widget = QWidget>
    Widget* Find(const char* name) {
        auto* widget = m_window->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    /// Resizes as a user dragging the frame would: to this outer size.
    void DragTo(int outerWidth, int outerHeight);
    QSize FrameExtent() const { return m_window->frameGeometry().size() - m_window->size(); }
    /// The six anchored values, checked against the current client area.
    void ExpectAnchoredToClientArea();
    /// A folder below the temporary home holding the named empty files.
    std::string MakeFolder(const std::string& name, const std::vector<std::string>& files = {});

    TempHome m_home;
    MessageRecorder m_messages;
    std::shared_ptr<HostScript> m_script = std::make_shared<HostScript>();
    std::shared_ptr<ScriptedFolderDialog> m_dialog = std::make_shared<ScriptedFolderDialog>();
    RecordingHelpViewer m_viewer;
    ProgramRecords m_records;
    std::unique_ptr<AppServices> m_services;
    TUseHTMLHelp m_bridge;
    std::unique_ptr<Tmainfrm> m_window;
};

} // namespace tolk::testing
