#include "common/titles.h"
#include "platform/sim/sim_pictures.h"
#include "side_panel/form_m_design.h"
#include "side_panel/side_panel_fixture.h"
#include "support/picture_files.h"

namespace tarnwick::side_panel {
namespace {

using platform::Dimension;

TEST_F(SidePanelTest, FullEditionStartsAsASmallBoxNearTheBottomRight) {
  WriteConfig("");
  FormM panel(sim_.Ports(), Edition::Full, [] { return kMainWidth; });
  panel.Form_Load();
  const auto get = [&](Dimension d) { return *sim_.windows.GetDimension(panel.Handle(), d); };
  EXPECT_NEAR(get(Dimension::Width), 430, 7.5f);
  EXPECT_NEAR(get(Dimension::Height), 1290, 7.5f);
  EXPECT_NEAR(get(Dimension::Left) + get(Dimension::Width), kScreenWidth - 3020, 15.0f);
  EXPECT_NEAR(get(Dimension::Top) + get(Dimension::Height), kScreenHeight - 800, 15.0f);
}

TEST_F(SidePanelTest, FullEditionGrowsToItsFinalPlaceAndShrinksAwayOnClose) {
  WriteConfig("");
  MakeHost(Edition::Full);
  host_->Open();
  Animate();
  EXPECT_EQ(Get(Dimension::Width), 15345.0f);
  EXPECT_EQ(Get(Dimension::Height), 4710.0f);
  EXPECT_NEAR(Right(), kScreenWidth - 1800, 15.0f);
  EXPECT_NEAR(Bottom(), kScreenHeight - 800, 15.0f);
  EXPECT_TRUE(Panel().visible);

  const float right = Right(), bottom = Bottom();
  sim_.windows.RequestClose(host_->Panel()->Handle());
  Animate();
  ASSERT_NE(host_->Panel(), nullptr);
  EXPECT_TRUE(host_->Panel()->Loaded()) << "the full edition's panel is never destroyed";
  EXPECT_FALSE(Panel().visible);
  EXPECT_TRUE(Get(Dimension::Width) <= 1260 || Get(Dimension::Height) <= 405);
  EXPECT_NEAR(Right(), right, 45.0f) << "it shrinks towards its right edge";
  EXPECT_NEAR(Bottom(), bottom, 45.0f);

  host_->Open();  // found collapsed: grows again from the start spot
  Animate();
  EXPECT_TRUE(Panel().visible);
  EXPECT_EQ(Get(Dimension::Width), 15345.0f);
  EXPECT_NEAR(Right(), kScreenWidth - 1800, 15.0f);
}

TEST_F(SidePanelTest, OpeningAnOpenPanelPutsItBackAtTheOpenSpot) {
  WriteConfig("");
  MakeHost(Edition::Full);
  host_->Open();
  Animate();
  (void)sim_.windows.SetDimension(host_->Panel()->Handle(), Dimension::Left, 3000);
  host_->Open();
  Animate(0.05);
  EXPECT_NEAR(Right(), kScreenWidth - 1800, 15.0f);
  // The panel's caption is activated and the foreground window shown in its normal state.
  EXPECT_EQ(sim_.log.Matching("ActivateByTitle").back(), "ActivateByTitle(" + titles::ProductTitle(Edition::Full) + ")");
  EXPECT_EQ(sim_.windows.ForegroundWindow(), host_->Panel()->Handle());
  EXPECT_EQ(sim_.log.Matching("ShowWindow").back(), "ShowWindow(" + std::to_string(host_->Panel()->Handle()) + ",1)");
}

TEST_F(SidePanelTest, AClosingRequestDuringTheOpeningStillEndsHidden) {
  WriteConfig("");
  MakeHost(Edition::Full);
  host_->Open();
  Animate(0.2);
  sim_.windows.RequestClose(host_->Panel()->Handle());
  Animate();
  EXPECT_FALSE(Panel().visible);
}

TEST_F(SidePanelTest, LeEditionTakesItsFixedSpotAndIsDestroyedOnClose) {
  WriteConfig("Pimg1=tab.bmp\r\n");
  sim_.WriteProgramFile("image/tab.bmp", test::SolidBmp(137, 41, 0x112233));
  MakeHost(Edition::Le);
  host_->Open();
  EXPECT_EQ(Get(Dimension::Width), 15345.0f) << "15340 twips stored as whole pixels";
  EXPECT_NEAR(Get(Dimension::Left), kScreenWidth - 15340 - 500 - kMainWidth, 15.0f);
  EXPECT_NEAR(Bottom(), kScreenHeight - 800, 15.0f);
  Animate(1.0);
  EXPECT_EQ(Get(Dimension::Width), 15345.0f) << "no animation";

  const auto first = host_->Panel()->Handle();
  sim_.windows.RequestClose(first);
  EXPECT_EQ(sim_.Window(first), nullptr);
  sim_.WriteProgramFile("image/tab.bmp", test::SolidBmp(137, 41, 0x445566));
  WriteConfig("Pimg1=other.bmp\r\n");
  sim_.WriteProgramFile("image/other.bmp", test::SolidBmp(137, 41, 0x778899));
  host_->Open();
  EXPECT_NE(sim::PictureSource(Panel().controls.at(1).picture).find("other.bmp"), std::string::npos)
      << "an LE panel reads its pictures afresh at each opening after a close";
}

TEST_F(SidePanelTest, FullEditionKeepsItsPicturesAcrossCloseAndReopen) {
  WriteConfig("Pimg2=a.bmp\r\n");
  sim_.WriteProgramFile("image/a.bmp", test::SolidBmp(137, 41, 0x112233));
  MakeHost(Edition::Full);
  host_->Open();
  sim_.windows.RequestClose(host_->Panel()->Handle());
  Animate();
  WriteConfig("Pimg2=b.bmp\r\n");
  sim_.WriteProgramFile("image/b.bmp", test::SolidBmp(137, 41, 0x445566));
  host_->Open();
  EXPECT_NE(sim::PictureSource(Panel().controls.at(2).picture).find("a.bmp"), std::string::npos);
}

TEST_F(SidePanelTest, PicturesComeFromTheSkinOrStayBuiltIn) {
  WriteConfig("PXimg2=p.bmp\r\nPimg7=t.bmp\r\nPimg3=broken.bmp\r\n", "[BG2]\r\nimage=bg.bmp\r\n");
  sim_.WriteProgramFile("image/p.bmp", test::SolidBmp(73, 57, 0x102030));
  sim_.WriteProgramFile("image/t.bmp", test::SolidBmp(137, 41, 0x405060));
  sim_.WriteProgramFile("image/bg.bmp", test::SolidBmp(50, 50, 0x708090));
  sim_.WriteProgramFile("image/broken.bmp", "BM");
  MakeHost(Edition::Full);
  host_->Open();
  const auto source = [&](int id) { return sim::PictureSource(Panel().controls.at(id).picture); };
  EXPECT_NE(source(12).find("p.bmp"), std::string::npos);
  EXPECT_NE(source(7).find("t.bmp"), std::string::npos);
  EXPECT_NE(sim::PictureSource(Panel().background).find("bg.bmp"), std::string::npos);
  for (int id : {1, 3, 11, 13, kAboutButton}) EXPECT_EQ(source(id).rfind("design:", 0), 0u) << id;
}

TEST_F(SidePanelTest, FolderTabsNavigateToFoldersOfTheProgramFolder) {
  WriteConfig("PUrl1=docs\r\nPUrl3=\r\n");
  MakeHost(Edition::Full);
  host_->Open();
  const std::string folder = sim_.app.ProgramFolder();
  ASSERT_EQ(sim_.folder_view.locations.size(), 1u) << "the panel opens with the first tab's folder";
  EXPECT_EQ(sim_.folder_view.locations[0], folder + "\\docs\\");
  host_->Panel()->Image_Click(3);
  host_->Panel()->Image_Click(3);
  host_->Panel()->Image_Click(5);
  EXPECT_EQ(sim_.folder_view.locations, (std::vector<std::string>{folder + "\\docs\\", folder + "\\\\", folder + "\\\\",
                                                                  folder + "\\\xea\xb0\x92\xec\x9d\xb4 \xec\x97\x86\xec\x8a\xb5\xeb\x8b\x88\xeb\x8b\xa4.\\"}));
}

TEST_F(SidePanelTest, ProgramButtonsReadTheirCommandAtEachClick) {
  sim_.processes.installed_programs = {"notepad.exe", "cmd.exe"};
  WriteConfig("PXUrl1=notepad.exe\r\n");
  MakeHost(Edition::Full);
  host_->Open();
  sim_.windows.Click(host_->Panel()->Handle(), 11);
  WriteConfig("PXUrl1=cmd.exe /k\r\n");
  sim_.windows.Click(host_->Panel()->Handle(), 11);
  sim_.windows.Click(host_->Panel()->Handle(), 12);  // no PXUrl2: nothing starts
  EXPECT_EQ(sim_.processes.started, (std::vector<std::string>{"notepad.exe", "cmd.exe /k"}));
  EXPECT_EQ(Panel().controls.at(11).border_style, 0);
}

TEST_F(SidePanelTest, AProgramButtonAsksForRaisedRightsWhereItsProgramNeedsThem) {
  sim_.processes.installed_programs = {"taskmgr.exe"};
  sim_.processes.elevated_programs = {"taskmgr.exe"};
  WriteConfig("PXUrl3=taskmgr.exe /7\r\n");
  MakeHost(Edition::Le);
  host_->Open();
  sim_.windows.Click(host_->Panel()->Handle(), 13);
  EXPECT_EQ(sim_.processes.started_elevated, (std::vector<std::string>{"taskmgr.exe|/7"}));
}

TEST_F(SidePanelTest, AboutShowsTheTitleLinesInAnInformationBox) {
  WriteConfig("");
  MakeHost(Edition::Le);
  host_->Open();
  sim_.windows.Click(host_->Panel()->Handle(), kAboutButton);
  ASSERT_EQ(sim_.windows.shown_boxes.size(), 1u);
  EXPECT_EQ(sim_.windows.shown_boxes[0].text, titles::AboutText(Edition::Le));
  EXPECT_EQ(sim_.windows.shown_boxes[0].caption, "About...");
  EXPECT_EQ(sim_.windows.shown_boxes[0].style, 64);
  EXPECT_EQ(sim_.windows.shown_boxes[0].owner, host_->Panel()->Handle()) << "owned by the panel";
}

TEST_F(SidePanelTest, ExitStartsTheFullPanelsClosingButDestroysTheLePanel) {
  WriteConfig("");
  MakeHost(Edition::Full);
  host_->UnloadIfLoaded();  // never opened: nothing to do
  host_->Open();
  host_->UnloadIfLoaded();
  EXPECT_TRUE(host_->Panel()->Loaded());
  MakeHost(Edition::Le);
  host_->Open();
  const auto handle = host_->Panel()->Handle();
  host_->UnloadIfLoaded();
  EXPECT_EQ(host_->Panel(), nullptr);
  EXPECT_EQ(sim_.Window(handle), nullptr);
}

}  // namespace
}  // namespace tarnwick::side_panel
