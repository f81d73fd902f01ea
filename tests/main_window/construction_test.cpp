#include <cstring>

#include "main_window/form1_fixture.h"
#include "main_window/image_path.h"
#include "main_window/transparency_value.h"
#include "platform/sim/sim_pictures.h"
#include "support/picture_files.h"

namespace tarnwick::main_window {
namespace {

using platform::Dimension;

// The little-endian 32-bit field at `offset` of a tray record, read byte by byte.
std::uint32_t TrayField(const platform::TrayRecord& record, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{record[offset + i]} << (8 * i);
  return value;
}

TEST(BuildImagePath, DoesNotDoubleTheSeparatorAtADriveRoot) {
  EXPECT_EQ(BuildImagePath("D:\\", "a.jpg"), "D:\\image\\a.jpg");
  EXPECT_EQ(BuildImagePath("D:\\Tools", "a.jpg"), "D:\\Tools\\image\\a.jpg");
  EXPECT_EQ(BuildImagePath("D:\\Tools", "sub\\b.jpg"), "D:\\Tools\\image\\sub\\b.jpg");
  EXPECT_EQ(BuildImagePath("D:\\Tools", ""), "D:\\Tools\\image\\");
}

TEST(ParseTransparency, RoundsHalvesToEvenAndRejectsWhatIsNoNumber) {
  const std::pair<const char*, std::optional<std::int16_t>> cases[] = {
      {"200", 200},     {"  200  ", 200},      {"127.5", 128},         {"126.5", 126},  {"-0.5", 0},
      {"-1", -1},       {"256", 256},          {"2.5e1", 25},          {".5", 0},       {"+7", 7},
      {"32767", 32767}, {"32767.5", {}},       {"-32768.4", -32768},   {"1e9", {}},     {"abc", {}},
      {"", {}},         {"0x10", {}},          {"12abc", {}},          {"1 2", {}},     {"-", {}},
      {"\xea\xb0\x92\xec\x9d\xb4", {}},
      // The edges of the number's form: a bare point or exponent, doubled parts, inner blanks.
      {"7.", 7},        {"-.5e1", -5},         {"1E+2", 100},          {"1e-1", 0},     {".", {}},
      {"1e", {}},       {"e5", {}},            {"1.2.3", {}},          {"1e2.5", {}},   {"+-1", {}},
      {"1 e2", {}},     {"\t8\t", 8},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseTransparency(text), expected) << '"' << text << '"';
}

TEST_F(Form1Test, ConstructionPlacesTheBarAtTheTopCentreWithoutItsCaption) {
  sim_.windows.screen.width_px = 1024;
  sim_.windows.screen.height_px = 768;
  sim_.windows.screen.caption_height_px = 19;
  sim_.WriteProgramFile("config.ini", "");
  Construct();
  // Outer width: 83 pixels of client area and a 3-pixel frame on either side.
  EXPECT_EQ(Pixels(Dimension::Width), 89);
  // (15360 - 1335) / 2 = 7012.5 twips, stored as 468 whole pixels.
  EXPECT_EQ(Pixels(Dimension::Left), 468);
  EXPECT_EQ(Pixels(Dimension::Top), 0);
  EXPECT_EQ(*sim_.windows.GetDimension(form_->Handle(), Dimension::Height), 11520.0f - 285.0f);
  EXPECT_EQ(Window().style & 0x00C00000, 0);
  EXPECT_NE(Window().style & 0x00080000, 0) << "other style bits stay";
  EXPECT_FALSE(sim_.app.task_list_visible);
  EXPECT_EQ(form_->configPath(), sim_.app.ProgramFolder() + "\\config.ini");
}

TEST_F(Form1Test, ConstructionStepsRunInOrder) {
  sim_.WriteProgramFile("config.ini", "[option1]\ntransparency=200\n");
  form_ = std::make_unique<Form1>(sim_.Ports(), Edition::Full);
  sim_.log.Clear();
  form_->Form_Load();
  std::vector<std::string> steps;
  for (const auto& call : sim_.log.Calls()) {
    const std::string name = call.substr(0, call.find('('));
    if (name == "SecondsSinceMidnight" || (!steps.empty() && steps.back() == name)) continue;
    steps.push_back(name);
  }
  const std::vector<std::string> expected_subsequence = {
      "SetHeight", "SetLeft", "SetTop", "SetLayeredWindowAttributes", "LoadPicture", "Shell_NotifyIconA",
      "SetTaskListVisible", "GetSystemMetrics", "GetWindowLongA", "SetWindowLongA", "SetHeight"};
  auto it = steps.begin();
  for (const auto& step : expected_subsequence) {
    it = std::find(it, steps.end(), step);
    ASSERT_NE(it, steps.end()) << "missing or out of order: " << step;
  }
  EXPECT_EQ(sim_.log.Matching("LoadPicture").size(), 25u);
}

TEST_F(Form1Test, TransparencyIsAppliedOnlyForZeroTo255) {
  const std::pair<const char*, int> cases[] = {{"200", 200}, {"0", 0}, {"255", 255}, {"127.5", 128},
                                               {"256", -1},  {"-1", -1}, {"abc", -1}, {"", -1}};
  for (const auto& [value, alpha] : cases) {
    sim_.WriteProgramFile("config.ini", std::string("[Option1]\nTransparency=") + value + "\n");
    Construct();
    const bool layered = (Window().ex_style & platform::kWsExLayered) != 0;
    EXPECT_EQ(layered, alpha >= 0) << value;
    if (alpha >= 0) {
      EXPECT_EQ(Window().alpha, alpha) << value;
    }
  }
}

TEST_F(Form1Test, SkinPicturesReplaceDesignPicturesAndBadOnesAreIgnored) {
  sim_.WriteProgramFile("config.ini",
                        "[BG1]\nimage=back.bmp\n[001]\nimage=one.bmp\n[002]\nimage=truncated.bmp\n"
                        "[003]\nimage=empty.jpg\n[004]\nimage=notes.txt\n[005]\nimage=huge.png\n"
                        "[006]\nimage=sub\\six.bmp\n[007]\nsource=x\n[008]\nimage=missing.jpg\n[009]\nimage=\n");
  const std::string tile = test::SolidBmp(73, 57, 0x3366CC);
  sim_.WriteProgramFile("image/back.bmp", test::SolidBmp(83, 1575, 0x202020));
  sim_.WriteProgramFile("image/one.bmp", tile);
  sim_.WriteProgramFile("image/truncated.bmp", tile.substr(0, 100));
  sim_.WriteProgramFile("image/empty.jpg", "");
  sim_.WriteProgramFile("image/notes.txt", "not a picture");
  sim_.WriteProgramFile("image/huge.png", test::PngHeaderOnly(20000, 20000));
  sim_.WriteProgramFile("image/sub/six.bmp", tile);
  Construct();
  const auto source = [&](int n) { return sim::PictureSource(Window().controls.at(n).picture); };
  EXPECT_NE(sim::PictureSource(Window().background).find("back.bmp"), std::string::npos);
  EXPECT_NE(source(1).find("one.bmp"), std::string::npos);
  EXPECT_NE(source(6).find("six.bmp"), std::string::npos);
  for (int n : {2, 3, 4, 5, 7, 8, 9, 10, 24}) EXPECT_EQ(source(n).rfind("design:", 0), 0u) << n;
  EXPECT_EQ(source(0).rfind("design:main_top_button", 0), 0u);
}

TEST_F(Form1Test, WithoutSkinTheBarIsOpaqueWithItsColourAndDesignPictures) {
  sim_.WriteProgramFile("config.ini", "");
  Construct();
  EXPECT_TRUE(Window().background.Empty());
  EXPECT_EQ(Window().spec.back_color, 0x404040u);
  EXPECT_EQ(Window().ex_style & platform::kWsExLayered, 0);
}

TEST_F(Form1Test, TrayRecordCarriesTheExactFieldsAndAnsiTip) {
  sim_.WriteProgramFile("config.ini", "");
  for (Edition edition : {Edition::Full, Edition::Le}) {
    Construct(edition);
    ASSERT_FALSE(sim_.tray.records.empty());
    const auto& [message, record] = sim_.tray.records.back();
    EXPECT_EQ(message, platform::kNimAdd);
    EXPECT_EQ(TrayField(record, 0), 88u);
    EXPECT_EQ(TrayField(record, 4), form_->Handle());
    EXPECT_EQ(TrayField(record, 8), 1u);
    EXPECT_EQ(TrayField(record, 12), 7u);
    EXPECT_EQ(TrayField(record, 16), 512u);
    EXPECT_EQ(TrayField(record, 20), sim::SimTray::kProgramIcon);
    // "Tarnwick", then the trade mark sign in code page 949, the rest, one NUL and spaces.
    std::string tip = "Tarnwick\xA2\xE2 Launcher Second Edition V1.1";
    if (edition == Edition::Le) tip += " LE";
    const std::string field(record.begin() + 24, record.end());
    EXPECT_EQ(field.substr(0, tip.size()), tip);
    EXPECT_EQ(field[tip.size()], '\0');
    EXPECT_EQ(field.substr(tip.size() + 1), std::string(64 - tip.size() - 1, ' '));
    EXPECT_TRUE(sim_.tray.HasIcon(form_->Handle(), 1));
  }
}

}  // namespace
}  // namespace tarnwick::main_window
