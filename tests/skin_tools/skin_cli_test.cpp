// The command line of tarnwick-skin: its commands, options, exit codes and messages.
#include "skin_tools/skin_cli.h"

#include <gtest/gtest.h>

#include "platform/sim/raster_png.h"
#include "skin_folder.h"

namespace tarnwick::skin_test {
namespace {

struct ToolRun {
  int exit_code;
  std::string out, err;
};

ToolRun Tool(const std::vector<std::string>& arguments) {
  static sim::Cp949CodePage code_page;
  skin_tools::ToolHost host{code_page,
                            [](const skin_tools::HostPaths& paths) {
                              return std::make_unique<skin_tools::SeenFromAfar>(paths);
                            },
                            {},
                            {}};
  const int exit_code = skin_tools::RunSkinTool(arguments, host);
  return {exit_code, host.out, host.err};
}

TEST(SkinCli, WrongCommandLinesExitTwoWithTheUsage) {
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {}, {"fix"}, {"check"}, {"check", "a", "b"}, {"preview", "sample"}, {"preview", "sample", "-o"},
           {"preview", "sample", "-o", "x.png", "--edition", "pro"}, {"preview", "sample", "-o", "x.png", "--pressed", "25"},
           {"preview", "sample", "-o", "x.png", "--screen", "1280"}, {"preview", "sample", "-o", "x.png", "--screen", "100x800"},
           {"preview", "sample", "-o", "x.png", "--scale", "130"}, {"preview", "sample", "-o", "x.png", "--scale"},
           {"geometry"}, {"geometry", "sample", "-o", "x.png"}, {"geometry", "sample", "--panel"},
           {"geometry", "sample", "--scale", "110"}}) {
    const ToolRun run = Tool(arguments);
    EXPECT_EQ(run.exit_code, 2) << (arguments.empty() ? "" : arguments[0]);
    EXPECT_NE(run.err.find("usage: tarnwick-skin check FOLDER"), std::string::npos);
  }
  EXPECT_EQ(Tool({"--help"}).exit_code, 0);
}

TEST(SkinCli, CheckPrintsTextOrJsonAndExitsWithTheReportsCode) {
  const ToolRun text = Tool({"check", kSampleFolder.string()});
  EXPECT_EQ(text.exit_code, 0);
  EXPECT_NE(text.out.find("Nothing would fail."), std::string::npos);
  const ToolRun json = Tool({"check", "--json", kSampleFolder.string()});
  EXPECT_TRUE(json.out.starts_with("{\n")) << json.out.substr(0, 40);
  SkinFolder broken;
  broken.WriteConfig("[001]\r\nimage=gone.jpg\r\n");
  EXPECT_EQ(Tool({"check", broken.Path().string()}).exit_code, 1);
  EXPECT_EQ(Tool({"check", (broken.Path() / "nothing").string()}).exit_code, 2);
}

TEST(SkinCli, GeometryGivesTheDockedBarAndTheOpenPanelInScreenPixels) {
  const ToolRun run = Tool({"geometry", kSampleFolder.string()});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_TRUE(run.out.starts_with("{\"screen\": {\"width\": 1280, \"height\": 800, \"dpi\": 96},")) << run.out.substr(0, 80);
  const std::size_t bar = run.out.find("\"bar\": "), panel = run.out.find("\"panel\": ");
  ASSERT_LT(bar, panel);
  // 1335 twips wide at the right edge, as tall as the screen; the menu button and 24 buttons.
  EXPECT_NE(run.out.find("\"outer\": [1191, 0, 1280, 800]", bar), std::string::npos);
  const std::string bar_part = run.out.substr(bar, panel - bar);
  EXPECT_NE(bar_part.find("{\"kind\": \"image\", \"id\": 24, \"rect\": [1199, 1512, 1272, 1569]}"), std::string::npos);
  EXPECT_EQ(bar_part.find("\"id\": 25,"), std::string::npos);
  EXPECT_NE(run.out.find("\"visible\": true", panel), std::string::npos) << "the panel is opened";
  EXPECT_NE(run.out.find("\"kind\": \"folder_view\"", panel), std::string::npos);

  const ToolRun scaled = Tool({"geometry", kSampleFolder.string(), "--scale", "150"});
  EXPECT_NE(scaled.out.find("\"dpi\": 144"), std::string::npos);
  EXPECT_NE(scaled.out.find("\"outer\": [1786, 0, 1920, 1200]"), std::string::npos) << scaled.out.substr(0, 200);
  EXPECT_EQ(Tool({"geometry", (kSampleFolder / "nothing").string()}).exit_code, 2);
}

TEST(SkinCli, GeometryGivesTheSplashAtTheScreensMiddleWithItsLogoAndLabel) {
  // 6540 x 870 twips, no frame; the logo at its left, the label from 1560 twips on.
  const ToolRun run = Tool({"geometry", kSampleFolder.string(), "--edition", "le"});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const std::size_t splash = run.out.find("\"splash\": "), bar = run.out.find("\"bar\": ");
  ASSERT_LT(splash, bar);
  const std::string splash_part = run.out.substr(splash, bar - splash);
  EXPECT_NE(splash_part.find("\"outer\": [422, 371, 858, 429], \"client\": [422, 371, 858, 429]"), std::string::npos)
      << splash_part;
  EXPECT_NE(splash_part.find("{\"kind\": \"picture_box\", \"id\": 1, \"rect\": [422, 371, 522, 429]}"), std::string::npos);
  EXPECT_NE(splash_part.find("{\"kind\": \"label\", \"id\": 2, \"rect\": [526, 371, 855, 428]}"), std::string::npos);

  // At 150 % on a 2560 x 1600 screen: 10 twips to a pixel, halves rounded away from zero.
  const ToolRun scaled = Tool({"geometry", kSampleFolder.string(), "--scale", "150", "--screen", "2560x1600"});
  const std::string scaled_part = scaled.out.substr(0, scaled.out.find("\"bar\": "));
  EXPECT_NE(scaled_part.find("\"outer\": [953, 756, 1607, 843]"), std::string::npos) << scaled_part;
  EXPECT_NE(scaled_part.find("\"id\": 1, \"rect\": [953, 756, 1103, 843]"), std::string::npos);
  EXPECT_NE(scaled_part.find("\"id\": 2, \"rect\": [1109, 756, 1603, 842]"), std::string::npos);
}

TEST(SkinCli, PreviewWritesAPngOfTheScreenSizeAsked) {
  SkinFolder folder;
  folder.WriteConfig("[option1]\r\n");
  const std::string out = (folder.Path() / "out.png").string();
  const ToolRun run = Tool({"preview", folder.Path().string(), "-o", out, "--screen", "640x480", "--pressed", "0"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  const auto written = sim::ReadPng(out);
  ASSERT_TRUE(written);
  EXPECT_EQ(written->Width(), 640);
  EXPECT_EQ(written->Height(), 480);
  EXPECT_EQ(Tool({"preview", folder.Path().string(), "-o", (folder.Path() / "no/such/folder.png").string()}).exit_code, 2);
}

TEST(SkinCli, AScaledPreviewShowsTheDefaultScreenAtThatScalingOrTheScreenAsked) {
  SkinFolder folder;
  folder.WriteConfig("[option1]\r\n");
  const std::string out = (folder.Path() / "out.png").string();
  for (const auto& [scale, width, height] : {std::tuple{"125", 1600, 1000}, std::tuple{"200", 2560, 1600}}) {
    ASSERT_EQ(Tool({"preview", folder.Path().string(), "-o", out, "--scale", scale}).exit_code, 0);
    const auto written = sim::ReadPng(out);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->Width(), width) << scale;
    EXPECT_EQ(written->Height(), height) << scale;
  }
  ASSERT_EQ(Tool({"preview", folder.Path().string(), "--screen", "640x480", "-o", out, "--scale", "150"}).exit_code, 0);
  EXPECT_EQ(sim::ReadPng(out)->Width(), 640);
}

}  // namespace
}  // namespace tarnwick::skin_test
