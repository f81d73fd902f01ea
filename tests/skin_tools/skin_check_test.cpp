// The check of a skin folder, on the sample folder and on broken folders made here.
#include <gtest/gtest.h>

#include "skin_tools/report_format.h"
#include "skin_folder.h"

namespace tarnwick::skin_test {
namespace {

using skin_tools::Severity;

std::string Bar(const std::string& sections) { return "[option1]\r\ntransparency=200\r\n" + sections; }

TEST(SkinCheckSample, EverythingIsFineAndAllLookupsAreMade) {
  const auto report = Check(kSampleFolder);
  EXPECT_EQ(report.ExitCode(), 0) << skin_tools::ReportText(report);
  EXPECT_EQ(report.lookups, 71u);
  EXPECT_EQ(report.Count(Severity::Error), 0u);
  EXPECT_EQ(report.Count(Severity::Warning), 0u);
  EXPECT_EQ(report.encoding, "code page 949");
  EXPECT_TRUE(Says(report, "[option1] transparency", Severity::Ok, "opacity 230 of 255"));
  EXPECT_TRUE(Says(report, "[Tarnwick\u2122] PUrl1", Severity::Ok, "shows the folder docs\\"));
  EXPECT_TRUE(Says(report, "[022] source", Severity::Note, "not set: a click does nothing"));
  EXPECT_TRUE(Says(report, "[Tarnwick\u2122] PXimg1", Severity::Ok, "shown at the button's 73 x 49"));
}

TEST(SkinCheckSample, TextGroupsByWindowAndButtonAndEndsWithTheSummary) {
  const std::string text = skin_tools::ReportText(Check(kSampleFolder));
  const auto bar = text.find("\nBar (main window)\n"), panel = text.find("\nSide panel\n");
  ASSERT_NE(bar, std::string::npos);
  ASSERT_NE(panel, std::string::npos);
  EXPECT_LT(bar, text.find("  Image24\n"));
  EXPECT_LT(text.find("  Image24\n"), panel);
  EXPECT_LT(text.find("  Image2\n"), text.find("  Image10\n")) << "buttons in number order";
  EXPECT_TRUE(text.ends_with("71 lookups: 0 errors, 0 warnings, 5 notes. Nothing would fail.\n")) << text;
}

TEST(SkinCheckSample, JsonCarriesTheFindingsAndTheExitCode) {
  const std::string json = skin_tools::ReportJson(Check(kSampleFolder));
  EXPECT_NE(json.find("\"exit_code\": 0"), std::string::npos);
  EXPECT_NE(json.find("\"lookups\": 71"), std::string::npos);
  EXPECT_NE(json.find("{\"severity\": \"ok\", \"place\": \"bar\", \"subject\": \"Image3\", \"setting\": \"[003] image\", "
                      "\"value\": \"btn03.jpg\""),
            std::string::npos);
}

TEST(SkinCheckJson, EscapesQuotesBackslashesAndControlCharacters) {
  SkinFolder folder;
  folder.WriteConfig(Bar("[001]\r\nsource=say \"hi\"\tC:\\x\r\n"));
  const std::string json = skin_tools::ReportJson(Check(folder.Path()));
  EXPECT_NE(json.find("\"value\": \"say \\\"hi\\\"\\u0009C:\\\\x\""), std::string::npos) << json;
}

TEST(SkinCheckFolder, AFolderOrConfigThatCannotBeReadGivesExitTwoAndAReason) {
  SkinFolder folder;
  EXPECT_EQ(Check(folder.Path()).ExitCode(), 2);
  EXPECT_NE(Check(folder.Path()).unreadable->find("config.ini is missing"), std::string::npos);
  EXPECT_NE(Check(folder.Path() / "nowhere").unreadable->find("does not exist"), std::string::npos);
  folder.MakeFolder("config.ini");
  EXPECT_NE(Check(folder.Path()).unreadable->find("is a folder"), std::string::npos);
  std::filesystem::remove(folder.Path() / "config.ini");
  folder.WriteFile("config.ini", std::string("[001]\0\0\x01\x02source=x", 17));
  EXPECT_NE(Check(folder.Path()).unreadable->find("not a text file"), std::string::npos);
  std::filesystem::resize_file(folder.Path() / "config.ini", 17u * 1024 * 1024);
  const auto huge = Check(folder.Path());
  EXPECT_EQ(huge.ExitCode(), 2);
  EXPECT_NE(huge.unreadable->find("more than any configuration needs"), std::string::npos);
}

TEST(SkinCheckFolder, AnEmptyConfigIsAnErrorAndEveryButtonKeepsItsDesign) {
  SkinFolder folder;
  folder.WriteConfig("\r\n");
  const auto report = Check(folder.Path());
  EXPECT_EQ(report.ExitCode(), 1);
  EXPECT_TRUE(Says(report, "file", Severity::Error, "config.ini is empty"));
  EXPECT_TRUE(Says(report, "[007] image", Severity::Note, "keeps its built-in picture (73 x 57)"));
  EXPECT_TRUE(Says(report, "[BG2] image", Severity::Note, "only its background colour"));
  EXPECT_TRUE(Says(report, "[option1] transparency", Severity::Note, "the bar is opaque"));
}

TEST(SkinCheckFolder, ALetterCaseOnlyWindowsIgnoresIsFoundAndNoted) {
  SkinFolder folder;
  folder.WriteFile("Config.INI", sim::SharedCp949CodePage().FromUtf8(Bar("[001]\r\nimage=Btn.JPG\r\n")));
  folder.WritePicture("btn.jpg", 73, 57);
  const auto report = Check(folder.Path());
  EXPECT_TRUE(Says(report, "file", Severity::Note, "differs from config.ini in letter case"));
  EXPECT_TRUE(Says(report, "[001] image", Severity::Ok, "differs in letter case"));
}

TEST(SkinCheckPictures, EachWayAPictureFailsIsNamedAndTheButtonKeepsItsDesign) {
  SkinFolder folder;
  folder.WriteConfig(Bar("[001]\r\nimage=gone.jpg\r\n[002]\r\nimage=notes.jpg\r\n[003]\r\nimage=cut.bmp\r\n"
                         "[004]\r\nimage=huge.png\r\n[005]\r\nimage=sub\r\n[006]\r\nimage=\r\n"));
  folder.WriteFile("image/notes.jpg", "plain text, no picture");
  const std::string bmp = test::SolidBmp(73, 57, 0xFF0000);
  folder.WriteFile("image/cut.bmp", bmp.substr(0, bmp.size() / 2));
  folder.WriteFile("image/huge.png", test::PngHeaderOnly(10000, 10000) + std::string("\0\0\0\0IEND\xAE\x42\x60\x82", 12));
  folder.MakeFolder("image/sub");
  const auto report = Check(folder.Path());
  EXPECT_EQ(report.ExitCode(), 1);
  EXPECT_TRUE(Says(report, "[001] image", Severity::Error, "image\\gone.jpg does not exist"));
  EXPECT_TRUE(Says(report, "[001] image", Severity::Error, "keeps its built-in picture (73 x 57)"));
  EXPECT_TRUE(Says(report, "[002] image", Severity::Error, "not a picture the launcher can load"));
  EXPECT_TRUE(Says(report, "[003] image", Severity::Error, "cut off"));
  EXPECT_TRUE(Says(report, "[004] image", Severity::Error, "10000 x 10000 pixels, too large to load"));
  EXPECT_TRUE(Says(report, "[005] image", Severity::Error, "is a folder, not a picture"));
  EXPECT_TRUE(Says(report, "[006] image", Severity::Warning, "names the image folder itself"));
}

TEST(SkinCheckPictures, APictureOfAnotherSizeIsStretchedOrForABackgroundDrawnUnscaled) {
  SkinFolder folder;
  folder.WriteConfig(Bar("[BG1]\r\nimage=narrow.bmp\r\n[002]\r\nimage=wide.bmp\r\n[BG2]\r\nimage=big.bmp\r\n"
                         "[Tarnwick\u2122]\r\nPimg3=tab.bmp\r\n"));
  folder.WritePicture("narrow.bmp", 40, 1575);
  folder.WritePicture("wide.bmp", 146, 57);
  folder.WritePicture("big.bmp", 1100, 300);
  folder.WritePicture("tab.bmp", 137, 41);
  const auto report = Check(folder.Path());
  EXPECT_EQ(report.ExitCode(), 0);
  EXPECT_TRUE(Says(report, "[BG1] image", Severity::Warning, "40 x 1575, not 83 x 1575: it is drawn unscaled"));
  EXPECT_TRUE(Says(report, "[BG1] image", Severity::Warning, "background colour shows"));
  EXPECT_TRUE(Says(report, "[BG2] image", Severity::Warning, "is cut off"));
  EXPECT_TRUE(Says(report, "[002] image", Severity::Warning, "146 x 57, not 73 x 57: it is stretched to the button's 73 x 57"));
  EXPECT_TRUE(Says(report, "[Tarnwick\u2122] Pimg3", Severity::Ok, "137 x 41"));
  const auto tab = About(report, "[Tarnwick\u2122] Pimg3");
  ASSERT_EQ(tab.size(), 1u);
  EXPECT_EQ(tab[0].control, 3) << "reported with folder tab Image3";
}

TEST(SkinCheckOpacity, InvisibleNoNumberOutOfRangeAndRoundedValues) {
  const auto opacity = [](const std::string& value) {
    SkinFolder folder;
    folder.WriteConfig("[option1]\r\ntransparency=" + value + "\r\n");
    return Check(folder.Path());
  };
  EXPECT_TRUE(Says(opacity("0"), "[option1] transparency", Severity::Error, "THE BAR WILL BE INVISIBLE"));
  EXPECT_TRUE(Says(opacity("-0.5"), "[option1] transparency", Severity::Error, "\"-0.5\" rounds to 0"));
  EXPECT_EQ(opacity("-0.5").ExitCode(), 1);
  EXPECT_TRUE(Says(opacity("256"), "[option1] transparency", Severity::Warning, "256 is outside 0..255"));
  EXPECT_TRUE(Says(opacity("abc"), "[option1] transparency", Severity::Warning, "is no number"));
  EXPECT_TRUE(Says(opacity("127.5"), "[option1] transparency", Severity::Ok, "opacity 128 of 255 (50%) (\"127.5\" rounds to 128)"));
  EXPECT_TRUE(Says(opacity("10"), "[option1] transparency", Severity::Warning, "nearly invisible"));
}

TEST(SkinCheckCommands, DocumentsWebAddressesFoldersAndMissingProgramsDoNothing) {
  SkinFolder folder;
  folder.WriteConfig(Bar("[001]\r\nsource=readme.txt\r\n[002]\r\nsource=https://example.org/\r\n[003]\r\nsource=tools\r\n"
                         "[004]\r\nsource=tools\\gone.exe\r\n[005]\r\nsource=tools\\run.exe /fast\r\n"
                         "[006]\r\nsource=go.bat\r\n[007]\r\nsource=C:\\Program Files\\Tool\\tool.exe /start\r\n"
                         "[008]\r\nsource=mystery.exe\r\n[009]\r\nsource=\"notepad\" x.txt\r\n[010]\r\nsource=\r\n"));
  folder.WriteFile("readme.txt", "hello");
  folder.WriteFile("tools/run.exe", "MZ");
  folder.WriteFile("go.bat", "@echo off");
  const auto report = Check(folder.Path());
  EXPECT_TRUE(Says(report, "[001] source", Severity::Error, "readme.txt is a document, not a program"));
  EXPECT_TRUE(Says(report, "[002] source", Severity::Error, "a web address"));
  EXPECT_TRUE(Says(report, "[003] source", Severity::Error, "tools is a folder"));
  EXPECT_TRUE(Says(report, "[004] source", Severity::Error, "tools\\gone.exe is neither in the program folder"));
  EXPECT_TRUE(Says(report, "[005] source", Severity::Ok, "starts tools\\run.exe, found in the current folder"));
  EXPECT_TRUE(Says(report, "[006] source", Severity::Ok, "a batch file"));
  EXPECT_TRUE(Says(report, "[007] source", Severity::Warning, "first tries C:\\Program.exe"));
  EXPECT_TRUE(Says(report, "[007] source", Severity::Warning, "cannot be seen from here"));
  EXPECT_TRUE(Says(report, "[008] source", Severity::Warning, "if the Windows machine has it"));
  EXPECT_TRUE(Says(report, "[009] source", Severity::Ok, "starts notepad.exe from the system folder"));
  EXPECT_TRUE(Says(report, "[010] source", Severity::Note, "empty: a click does nothing"));
}

TEST(SkinCheckCommands, ACommandLongerThanTheBufferIsCut) {
  SkinFolder folder;
  folder.WriteConfig(Bar("[001]\r\nsource=notepad.exe " + std::string(300, 'a') + "\r\n"));
  EXPECT_TRUE(Says(Check(folder.Path()), "[001] source", Severity::Error, "longer than 254 bytes"));
}

TEST(SkinCheckFolderTabs, MissingFolderFileInsteadAbsolutePathAndUnset) {
  SkinFolder folder;
  folder.WriteConfig("[Tarnwick\u2122]\r\nPUrl1=docs\r\nPUrl2=gone\r\nPUrl3=note.txt\r\nPUrl4=C:\\Docs\r\nPUrl5=\r\n");
  folder.MakeFolder("docs");
  folder.WriteFile("note.txt", "x");
  const auto report = Check(folder.Path());
  EXPECT_TRUE(Says(report, "[Tarnwick\u2122] PUrl1", Severity::Ok, "shows the folder docs\\. The panel shows it first"));
  EXPECT_TRUE(Says(report, "[Tarnwick\u2122] PUrl2", Severity::Error, "the folder gone\\ does not exist"));
  EXPECT_TRUE(Says(report, "[Tarnwick\u2122] PUrl3", Severity::Error, "is a file, not a folder"));
  EXPECT_TRUE(Says(report, "[Tarnwick\u2122] PUrl4", Severity::Error, "an absolute path does not work"));
  EXPECT_TRUE(Says(report, "[Tarnwick\u2122] PUrl5", Severity::Ok, "shows the program folder itself"));
  EXPECT_TRUE(Says(report, "[Tarnwick\u2122] PUrl6", Severity::Warning, "not set: the folder view is sent to"));
  EXPECT_EQ(About(report, "[Tarnwick\u2122] PUrl1").size(), 1u) << "construction and click told once";
}

}  // namespace
}  // namespace tarnwick::skin_test
