// A folder tab whose location is no folder: the view never goes on showing the folder before it.
#include <filesystem>

#include "platform/common/unavailable_location.h"
#include "platform/sim/native_path.h"
#include "side_panel/form_m_design.h"
#include "side_panel/side_panel_fixture.h"

namespace tarnwick::side_panel {
namespace {

class FolderPaneTest : public SidePanelTest {
 protected:
  const sim::FolderPane& Pane() const {
    const sim::FolderPane* pane = sim_.folder_view.panes.Find(host_->Panel()->Handle(), kWebBrowser1);
    EXPECT_NE(pane, nullptr);
    static const sim::FolderPane kNone;
    return pane != nullptr ? *pane : kNone;
  }
  void Click(int tab) { sim_.windows.Click(host_->Panel()->Handle(), tab); }
};

TEST_F(FolderPaneTest, ATabWithoutAFolderEmptiesTheViewAndSaysWhereAndWhyWithoutABox) {
  // Tab 4 has no key, so its location ends in the lookup's missing-value text.
  WriteConfig("PUrl1=docs\r\nPUrl2=gone\r\nPUrl3=notes.txt\r\nPUrl5=docs\r\n");
  const std::string folder = sim_.app.ProgramFolder();
  std::filesystem::create_directories(sim::NativePath(folder + "\\docs"));
  sim_.WriteProgramFile("notes.txt", "not a folder");
  MakeHost(Edition::Full);
  host_->Open();
  ASSERT_EQ(Pane().folder, folder + "\\docs\\");
  struct Case {
    int tab;
    std::string location, reason;
  };
  const Case cases[] = {
      {2, folder + "\\gone\\", "The system cannot find the file specified."},
      {3, folder + "\\notes.txt\\", "The directory name is invalid."},
      {4, folder + "\\\xea\xb0\x92\xec\x9d\xb4 \xec\x97\x86\xec\x8a\xb5\xeb\x8b\x88\xeb\x8b\xa4.\\",
       "The system cannot find the file specified."},
  };
  for (const Case& c : cases) {
    Click(c.tab);
    EXPECT_EQ(Pane().folder, "") << "tab " << c.tab << " leaves no folder on view";
    EXPECT_EQ(Pane().notice, std::string(platform::kLocationUnavailable) + "\r\n" + c.location + "\r\n" + c.reason)
        << "tab " << c.tab;
    Click(5);
    EXPECT_EQ(Pane().folder, folder + "\\docs\\") << "a real folder after tab " << c.tab << " shows again";
    EXPECT_EQ(Pane().notice, "");
  }
  EXPECT_TRUE(sim_.windows.shown_boxes.empty());
}

}  // namespace
}  // namespace tarnwick::side_panel
