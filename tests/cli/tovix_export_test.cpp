// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bmp_import.h"
#include "core/bmp_layout.h"
#include "core/export_settings.h"
#include "core/messages.h"
#include "core/picture_geometry.h"
#include "core/tovix_doc.h"
#include "export/export_procedure.h"
#include "testkit/bmp_builder.h"
#include "testkit/recording_dialogs.h"
#include "tests/support/failing_output.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QTransform>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <zlib.h>

using namespace testing_support;

namespace {

struct RunResult {
    int nExit;
    std::string strOut;
    std::string strErr;
};

class TovixExportTest : public testing::Test {
protected:
    void SetUp() override
    {
        WriteFile(dir.File("pic.bmp"), BuildBmp(37, 21, PatternPixel));
    }

    // Runs the tool in the test folder with the given arguments (shell words);
    // its standard output is kept unless it goes to the given file instead.
    RunResult Run(const std::string& args, const std::string& stdoutPath = {})
    {
        // The tool's Japanese texts are the program's own, which most cases check.
        const std::string command = "cd " + dir.Path() + " && env -u LC_ALL -u LC_MESSAGES LANG=" + language + " " TOVIX_EXPORT_BIN " " + args + " >" +
                                    (stdoutPath.empty() ? dir.File(".out") : stdoutPath) + " 2>" + dir.File(".err");
        const int status = std::system(command.c_str());
        RunResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, stdoutPath.empty() ? Text(".out") : "",
                         Text(".err")};
        std::filesystem::remove(dir.File(".out"));
        std::filesystem::remove(dir.File(".err"));
        return result;
    }

    std::string Text(const std::string& name)
    {
        const std::vector<std::uint8_t> bytes = ReadFile(dir.File(name));
        return {bytes.begin(), bytes.end()};
    }

    // What the program's export command writes for the same picture and settings.
    std::string ProgramExport(const std::string& bmp, ExportFormat format, ColorMode mode, int tR, int tG, int tB)
    {
        RecordingDialogs dialogs;
        auto doc = std::make_unique<CTOVIXDoc>();
        doc->SetTitle("TOVIX1");
        EXPECT_TRUE(ImportBmp(*doc, dir.File(bmp), dialogs));
        doc->m_nColorMode = mode;
        doc->m_nThresholdR = tR;
        doc->m_nThresholdG = tG;
        doc->m_nThresholdB = tB;
        dialogs.savePath = dir.File("program.out");
        EXPECT_TRUE(RunExport(*doc, format, dialogs));
        const std::string text = Text("program.out");
        std::filesystem::remove(dir.File("program.out"));
        return text;
    }

    TempDir dir;
    std::string language = "ja_JP.UTF-8";
};

// Standard input is kept in a file without a name, so that a tool stopped
// while it reads leaves nothing behind, and no more of it than the largest
// picture is kept, however much is piped in.
TEST_F(TovixExportTest, StandardInputLeavesNoFileAndHasALimit)
{
    const std::string tmp = dir.File("tmp");
    std::filesystem::create_directory(tmp);
    const std::string command = "cd " + dir.Path() + " && (cat pic.bmp; sleep 2) | TMPDIR=" + tmp + " timeout 1 " TOVIX_EXPORT_BIN " - -o out.c";
    ASSERT_EQ(WEXITSTATUS(std::system(command.c_str())), 124);
    EXPECT_TRUE(std::filesystem::is_empty(tmp)) << "stopped while reading";
    const std::string nowhere = "cd " + dir.Path() + " && TMPDIR=" + dir.File("no/such/folder") + " " TOVIX_EXPORT_BIN " - -o out.c < pic.bmp 2>/dev/null";
    EXPECT_EQ(WEXITSTATUS(std::system(nowhere.c_str())), 1) << "nowhere to keep standard input";
    const RunResult endless = Run("- < /dev/zero");
    EXPECT_EQ(endless.nExit, 1);
    EXPECT_NE(endless.strErr.find("-: more than 1 GiB"), std::string::npos) << endless.strErr;
}

TEST_F(TovixExportTest, ExitStatusTellsUsageErrorsFromRefusals)
{
    WriteFile(dir.File("notes.bmp"), {'n', 'o', 't', 'e', 's'});
    WriteFile(dir.File("taken.c"), {'k', 'e', 'e', 'p'});
    WriteFile(dir.File("-"), {'k', 'e', 'e', 'p'});
    const std::string longName = std::string(296, 'x') + ".c";
    struct Case {
        std::string args;
        int nExit;
        std::string errorPart;
    } cases[] = {
        {"", 2, "no INPUT"},
        {"--bogus pic.bmp", 2, "unknown option"},
        {"pic.bmp -f 3", 2, "format"},
        {"pic.bmp -m 7", 2, "colour mode"},
        {"pic.bmp -t 1,2", 2, "thresholds"},
        {"pic.bmp -t 256,0,0", 2, "thresholds"},
        {"pic.bmp -t 1,2,3,", 2, "thresholds"},
        {"pic.bmp -m 565 -t 1,2,3", 2, "--threshold does not apply to colour mode 16"},
        {"missing.bmp -t 1,2,3", 2, "--threshold does not apply to colour mode 24"},
        {"pic.bmp -f bytes -m grey4 -t 1,2,3", 2, "colour mode grey4, which takes each pixel's luminance"},
        {"pic.bmp -f bytes -m index4 -t 1,2,3", 2, "colour mode index4, which takes the nearest palette colour"},
        {"- - < pic.bmp", 2, "standard input can be read only once"},
        {"pic.bmp -m 1 --dither fs", 2, "--dither must be"},
        {"pic.bmp --dither ordered", 2, "--dither does not apply to colour mode 24"},
        {"pic.bmp -m 6 --round", 2, "--round does not apply to colour mode 6"},
        {"pic.bmp --for lvgl9 -m a8 --round -o a8.c", 2, "--round does not apply to colour mode a8"},
        {"pic.bmp -m 8 --mono luminance", 2, "--mono does not apply to colour mode 8"},
        {"pic.bmp -m 1 -t 90", 2, "-t with one threshold goes with --mono luminance"},
        {"pic.bmp -m 1 --mono luminance -t 1,2,3", 2, "--mono luminance takes one threshold"},
        {"pic.bmp -t", 2, "needs a value"},
        {"pic.bmp -n return", 2, "-n 'return' is a C or C++ keyword"},
        {"pic.bmp -f bytes -n clock", 2, "-n 'clock' is a name the C standard library declares"},
        {"pic.bmp other.bmp -o x.c", 2, "-o cannot go with more than one INPUT"},
        {"missing.bmp", 1, "missing.bmp: ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙを開けません"},
        {"notes.bmp", 1, "notes.bmp: 読み込んだファイルの形式が正しくありません。"},
        {"pic.bmp -o taken.c", 1, "taken.c: the file exists"},
        {"pic.bmp -o no/such/folder.c", 1, "no/such/folder.c"},
        {"pic.bmp -o /dev/full --force", 1, "/dev/full"},
        {"pic.bmp --save-doc taken.c", 1, "taken.c: the file exists"},
        {"pic.bmp --save-doc -", 1, "-: the file exists"},
        {"pic.bmp -o " + longName, 1, longName + ": cannot create the file"},
        {"pic.bmp --save-doc " + longName, 1, longName + ": cannot create the file"},
        {"pic.bmp --save-doc new.tvx -o no/such/folder.c", 1, "no/such/folder.c: cannot create the file"},
        {"pic.bmp --save-doc taken.c --force -o no/such/folder.c", 1, "no/such/folder.c: cannot create the file"},
        {"pic.bmp -o same.out --save-doc same.out", 2, "は同じﾌｧｲﾙです"},
        {"pic.bmp -o ./same.out --save-doc same.out --force", 2, "は同じﾌｧｲﾙです"},
        {"pic.bmp -f bytes -m 16 -o same.c --header ./same.c", 2, "は同じﾌｧｲﾙです"},
        {"pic.bmp -f bytes --save-doc a.tvx --header a.h", 2, "--header goes with the export"},
        {"pic.bmp -f bytes --header -", 2, "--header cannot be '-'"},
        {"missing.tvx", 1, "missing.tvx: ﾌｧｲﾙを開けません"},
        {"notes.bmp --save-doc x.tvx -o y.c", 1, "notes.bmp"},
        {"pic.bmp --background 1,2", 2, "background"},
        {"pic.bmp --background 0,0,256", 2, "background"},
        {"x.TVX --background 1,2,3", 2, "not for a .tvx"},
        {"missing.png", 1, "missing.png: ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙを開けません"},
        {"notes.bmp --picture", 1, "notes.bmp: 読み込んだファイルの形式が正しくありません。"},
        {"pic.bmp --for tft-espi -m 1", 2, "--for tft-espi takes colour mode 16, not 1"},
        {"pic.bmp --for lvgl9 -m mono", 2, "--for lvgl9 takes colour mode 16 or 24 or grey8 or index1 or index2 or index4 or index8 or argb8888 or rgb565a8 or a8, not 1"},
        {"pic.bmp -f bytes -m argb8888", 2, "-f bytes takes colour mode 1 or 6 or 8 or 15 or 16 or 24 or grey1"},
        {"pic.bmp --for epaper -m 16", 2, "--for epaper takes colour mode 24, not 16"},
        {"pic.bmp --for u8g2 --static", 2, "--static does not apply to --for u8g2"},
        {"pic.bmp --for xbm --header a.h", 2, "--header does not apply to --for xbm"},
        {"pic.bmp --for ssd1306 -f bin --header a.h", 2, "--header does not apply to --for ssd1306"},
        {"pic.bmp -f 2 --for xbm", 2, "--for goes with -f bytes or -f bin, not -f 2"},
        {"pic.bmp --for st7735", 2, "--for takes u8g2, adafruit-gfx"},
        {"pic.bmp -f bin --header a.h", 2, "--header does not apply to -f bin"},
        {"pic.bmp --resize 8x", 2, "--resize must be WxH"},
        {"pic.bmp --resize 0x5", 2, "--resize must be WxH"},
        {"pic.bmp --resize 4097x1", 2, "--resize must be WxH"},
        {"pic.bmp --fill", 2, "--fill goes with --resize"},
        {"pic.bmp --filter nearest", 2, "--filter goes with --resize"},
        {"pic.bmp --resize 2x2 --filter box", 2, "--filter must be area, lanczos or nearest"},
        {"pic.bmp --rotate 45", 2, "--rotate must be 90, 180 or 270"},
        {"pic.bmp --flip x", 2, "--flip must be h"},
        {"--decode x.c --trim", 2, "--trim cannot go with --decode"},
    };
    for (const Case& c : cases) {
        const RunResult result = Run(c.args);
        EXPECT_EQ(result.nExit, c.nExit) << c.args << "\n" << result.strErr;
        EXPECT_NE(result.strErr.find(c.errorPart), std::string::npos) << c.args << "\n" << result.strErr;
        EXPECT_TRUE(result.strErr.starts_with("tovix-export: ")) << result.strErr;
    }
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"-", "notes.bmp", "pic.bmp", "taken.c"})) << "a failed run leaves no file";
    EXPECT_EQ(Text("taken.c"), "keep");
    EXPECT_EQ(Text("-"), "keep");

    EXPECT_EQ(Run("--help").nExit, 0);
    EXPECT_NE(Run("--help").strOut.find("\"-\" reads a picture from standard input"), std::string::npos);
    EXPECT_NE(Run("-h").strOut.find("Usage: tovix-export"), std::string::npos);
    EXPECT_EQ(Run("--version").strOut, "tovix-export 3.00\n");
}

TEST_F(TovixExportTest, PicturesComeInByNameOrWithPictureOnTheBackgroundWithoutADisplay)
{
    // No display and no usable platform plugin: decoding must not need one.
    struct WithoutDisplay {
        WithoutDisplay() { setenv("QT_QPA_PLATFORM", "no-such-platform", 1), unsetenv("DISPLAY"), unsetenv("WAYLAND_DISPLAY"); }
        ~WithoutDisplay()
        {
            for (const auto& [name, value] : saved) value ? setenv(name, value->c_str(), 1) : unsetenv(name);
        }
        static std::optional<std::string> Get(const char* name)
        {
            const char* p = std::getenv(name);
            return p != nullptr ? std::optional<std::string>(p) : std::nullopt;
        }
        std::pair<const char*, std::optional<std::string>> saved[3] = {
            {"QT_QPA_PLATFORM", Get("QT_QPA_PLATFORM")}, {"DISPLAY", Get("DISPLAY")}, {"WAYLAND_DISPLAY", Get("WAYLAND_DISPLAY")}};
    } withoutDisplay;

    QImage picture(37, 21, QImage::Format_RGB32);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 37; ++x) picture.setPixel(x, y, qRgb(PatternPixel(x, y).r, PatternPixel(x, y).g, PatternPixel(x, y).b));
    ASSERT_TRUE(picture.save(QString::fromStdString(dir.File("pic.png"))));
    ASSERT_TRUE(picture.convertToFormat(QImage::Format_Indexed8).save(QString::fromStdString(dir.File("pic8.bmp"))));
    QImage clear(3, 2, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    ASSERT_TRUE(clear.save(QString::fromStdString(dir.File("clear.PNG"))));
    WriteFile(dir.File("blue.bmp"), BuildBmp(3, 2, [](int, int) { return testing_support::Rgb{0, 0, 255}; }));

    const struct {
        const char* args;
        const char* sameAs;
    } cases[] = {
        {"pic.png -m 565 -o -", "pic.bmp -m 565 -o -"},
        {"pic.png -f 2 -o -", "pic.bmp -f 2 -o -"},
        {"clear.PNG --background 0,0,255 -n blue -f 2 -o -", "blue.bmp -f 2 -o -"},
        {"clear.PNG -m 1 -n blue -o -", "blue.bmp -m 1 -t 0,0,0 -o -"},
        {"pic.bmp -m 565 -o - --picture", "pic.bmp -m 565 -o -"},
    };
    for (const auto& c : cases) {
        const RunResult result = Run(c.args);
        EXPECT_EQ(result.nExit, 0) << c.args << "\n" << result.strErr;
        EXPECT_EQ(result.strOut, Run(c.sameAs).strOut) << c.args;
    }
    EXPECT_NE(Run("pic8.bmp -o -").strErr.find(msg::kNot24Bit), std::string::npos) << "a .bmp name keeps the BMP import";
    EXPECT_EQ(Run("pic8.bmp -m 565 -n pic -o - --picture").nExit, 0);
}

TEST_F(TovixExportTest, OutputIsByteForByteWhatTheProgramWrites)
{
    const std::pair<const char*, ColorMode> modes[] = {{"mono", ColorMode::Mono}, {"6", ColorMode::Colors64},
                                                       {"256", ColorMode::Colors256}, {"15", ColorMode::Rgb555},
                                                       {"565", ColorMode::Rgb565}, {"full", ColorMode::Full}};
    for (const auto& [modeArg, mode] : modes) {
        for (ExportFormat format : {ExportFormat::Format1, ExportFormat::Format2}) {
            const std::string formatArg = format == ExportFormat::Format1 ? "1" : "2";
            const bool bThresholds = FindPixelFormat(mode)->UsesThresholds();
            const RunResult result =
                Run("pic.bmp -n TOVIX1 -o - -f " + formatArg + " -m " + modeArg + (bThresholds ? " -t 200,100,50" : ""));
            ASSERT_EQ(result.nExit, 0) << result.strErr;
            EXPECT_EQ(result.strOut, ProgramExport("pic.bmp", format, mode, 200, 100, 50)) << modeArg << " " << formatArg;
        }
    }
}

TEST_F(TovixExportTest, DashIsStandardOutputEvenBesideAFileNamedDashAndItsFailureIsAnError)
{
    WriteFile(dir.File("-"), {'k', 'e', 'e', 'p'});
    const RunResult result = Run("pic.bmp -f 2 -o -");
    EXPECT_EQ(result.nExit, 0) << result.strErr;
    EXPECT_TRUE(result.strOut.starts_with("TOVIX_FULL,37,21,\r\n"));
    EXPECT_EQ(Text("-"), "keep");

    for (const char* format : {"1", "2"}) {
        const RunResult full = Run(std::string("pic.bmp -o - -f ") + format, "/dev/full");
        EXPECT_EQ(full.nExit, 1) << format;
        EXPECT_EQ(full.strErr, "tovix-export: -: cannot write to standard output\n") << format;
    }
}

TEST_F(TovixExportTest, DocumentKeepsTheSettingsAndNamesFollowTheInput)
{
    ASSERT_EQ(Run("pic.bmp -m 6 -t 10,20,30 --save-doc my.pic.tvx").nExit, 0);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"my.pic.tvx", "pic.bmp"})) << "only the document";

    ASSERT_EQ(Run("my.pic.tvx").nExit, 0);
    ASSERT_EQ(Run("pic.bmp -m 6 -t 10,20,30 -n mypic -o direct.c").nExit, 0);
    EXPECT_EQ(Text("my.pic.c"), Text("direct.c")) << "stored mode and thresholds, name without dots";
    EXPECT_NE(Text("my.pic.c").find("unsigned char mypic[779] = {37,21,"), std::string::npos);

    std::filesystem::copy_file(dir.File("my.pic.tvx"), dir.File("UPPER.TVX"));
    ASSERT_EQ(Run("UPPER.TVX -f 2 -o upper.txt").nExit, 0) << "any case of .tvx is a document";
    ASSERT_EQ(Run("pic.bmp -f 2").nExit, 0);
    EXPECT_TRUE(Text("pic.txt").starts_with("TOVIX_FULL,37,21,\r\n"));
}

TEST_F(TovixExportTest, AcceptedSuiteFilesGiveTheirReferenceText)
{
    for (const char* name : {"g/rgb24.bmp", "g/rgb24pal.bmp", "q/rgb24largepal.bmp"}) {
        const std::string path = std::string(TOVIX_TESTDATA_DIR) + "/bmpsuite/" + name;
        const RunResult result = Run("-f 2 -o - " + path);
        ASSERT_EQ(result.nExit, 0) << result.strErr;
        const std::vector<std::uint8_t> expected = ReadFile(path + ".full.txt");
        EXPECT_EQ(result.strOut, std::string(expected.begin(), expected.end())) << name;
    }
}

// A C compiler accepts each element type and agrees on the element count.
TEST_F(TovixExportTest, ArraysCompileWithTheDeclaredElementCount)
{
    const struct {
        const char* mode;
        int nWidth, nHeight;
        long nElements;
    } cases[] = {{"8", 37, 21, 37 * 21 + 2}, {"1", 37, 21, 5 * 21 + 2}, {"16", 37, 21, 37 * 21 + 2},
                 {"24", 37, 21, 37 * 21 + 2}, {"6", 300, 2, 600 + 4}};
    for (const auto& c : cases) {
        const std::string bmp = "p" + std::string(c.mode) + ".bmp";
        WriteFile(dir.File(bmp), BuildBmp(c.nWidth, c.nHeight, PatternPixel));
        ASSERT_EQ(Run(bmp + " -m " + c.mode + " -n img -o img.c --force").nExit, 0);
        WriteFile(dir.File("check.c"), {});
        const std::string check = "#include \"img.c\"\n_Static_assert(sizeof img / sizeof img[0] == " +
                                  std::to_string(c.nElements) + ", \"element count\");\n";
        WriteFile(dir.File("check.c"), std::vector<std::uint8_t>(check.begin(), check.end()));
        const std::string compile = "cd " + dir.Path() + " && cc -std=c99 -Wall -Werror -c check.c -o check.o";
        EXPECT_EQ(std::system(compile.c_str()), 0) << "mode " << c.mode;
    }
}

TEST_F(TovixExportTest, BytesOptionsThatDoNotApplyAreUsageErrors)
{
    ASSERT_EQ(Run("pic.bmp -m 16 --save-doc m16.tvx").nExit, 0);
    const std::pair<const char*, const char*> cases[] = {
        {"pic.bmp -f bytes -m 16 --pack rows", "--pack does not apply to colour mode 16"},
        {"pic.bmp -f bytes -m 1 --rgb-order bgr", "--rgb-order does not apply to colour mode 1"},
        {"pic.bmp -f bytes -m 24 --byte-order big", "--byte-order does not apply to colour mode 24"},
        {"pic.bmp -f bytes -m 8 --bit-order lsb", "--bit-order does not apply to colour mode 8"},
        {"pic.bmp -f bytes -m 6 --invert", "--invert does not apply to colour mode 6"},
        {"m16.tvx -f bytes --invert", "m16.tvx: --invert does not apply to colour mode 16"},
        {"m16.tvx -t 1,2,3", "m16.tvx: --threshold does not apply to colour mode 16"},
        {"m16.tvx --mono luminance", "m16.tvx: --mono does not apply to colour mode 16; it is for 1"},
        {"pic.bmp -f 1 --invert", "--invert applies only to -f bytes"},
        {"pic.bmp -f 2 --static", "--static applies only to -f bytes"},
        {"pic.bmp --attribute PROGMEM", "--attribute applies only to -f bytes"},
        {"pic.bmp -f 2 --header p.h", "--header applies only to -f bytes"},
        {"pic.bmp -f bytes --static --header p.h", "--static cannot go with --header"},
        {"pic.bmp -f bytes --bit-order middle", "--bit-order must be msb or lsb, not 'middle'"},
        {"pic.bmp -f bytes --attribute \"A\nB\"", "--attribute must be one line"},
        {"pic.bmp -f picture", "format must be 1, 2, bytes or bin"},
    };
    for (const auto& [args, error] : cases) {
        const RunResult result = Run(args);
        EXPECT_EQ(result.nExit, 2) << args;
        EXPECT_NE(result.strErr.find(error), std::string::npos) << args << "\n" << result.strErr;
    }
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"m16.tvx", "pic.bmp"}));
}

// A C compiler sees the bytes, the size macros and the array's size the tool meant.
TEST_F(TovixExportTest, BytesSourceCompilesToTheExpectedArray)
{
    WriteFile(dir.File("count.bmp"), BuildBmp(3, 2, [](int x, int y) {
        const int i = 3 * (y * 3 + x);
        return testing_support::Rgb{static_cast<std::uint8_t>(i + 1), static_cast<std::uint8_t>(i + 2), static_cast<std::uint8_t>(i + 3)};
    }));
    WriteFile(dir.File("marks.bmp"), BuildBmp(3, 10, [](int x, int y) {
        const bool bBlack = x == 0 || (x == 1 && y == 0) || (x == 2 && y == 9);
        return bBlack ? testing_support::Rgb{0, 0, 0} : testing_support::Rgb{255, 255, 255};
    }));
    const struct {
        const char* args;
        const char* include;
        const char* compiled;
        const char* expected;
        int nWidth, nHeight;
    } cases[] = {
        {"count.bmp -m 24 --rgb-order bgr --static --attribute '__attribute__((aligned(4)))'", "img.c", "check.c",
         "3,2,1,6,5,4,9,8,7,12,11,10,15,14,13,18,17,16", 3, 2},
        {"count.bmp -m 16 --byte-order big --header img.h", "img.h", "check.c img.c", "0x00,0x00,0x00,0x20,0x00,0x41,0x08,0x41,0x08,0x61,0x10,0x82", 3, 2},
        {"marks.bmp -m 1 --pack pages --header img.h", "img.h", "check.c img.c", "0xff,0x01,0x00,0x03,0x00,0x02", 3, 10},
    };
    for (const auto& c : cases) {
        const RunResult result = Run(std::string("-f bytes -n img -o img.c --force ") + c.args);
        ASSERT_EQ(result.nExit, 0) << c.args << "\n" << result.strErr;
        const std::string check = std::string("#include <string.h>\n#include \"") + c.include +
                                  "\"\nstatic const unsigned char expected[] = {" + c.expected +
                                  "};\nint main(void)\n{\n    return !(sizeof img == sizeof expected && "
                                  "memcmp(img, expected, sizeof expected) == 0 && img_WIDTH == " +
                                  std::to_string(c.nWidth) + " && img_HEIGHT == " + std::to_string(c.nHeight) + ");\n}\n";
        WriteFile(dir.File("check.c"), std::vector<std::uint8_t>(check.begin(), check.end()));
        const std::string build =
            "cd " + dir.Path() + " && cc -std=c99 -Wall -Werror " + c.compiled + " -o check && ./check";
        EXPECT_EQ(std::system(build.c_str()), 0) << c.args;
        std::filesystem::remove(dir.File("img.h"));
    }
}

TEST_F(TovixExportTest, ManyInputsGoEachToItsOwnOutputAndAFailureStopsNoOther)
{
    WriteFile(dir.File("other.bmp"), BuildBmp(5, 3, PatternPixel));
    const RunResult result = Run("pic.bmp missing.bmp other.bmp -f bytes -m 16");
    EXPECT_EQ(result.nExit, 1);
    EXPECT_EQ(result.strErr, "tovix-export: missing.bmp: ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙを開けません\n");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"other.bmp", "other.c", "pic.bmp", "pic.c"}));
    EXPECT_EQ(Text("pic.c"), Run("pic.bmp -f bytes -m 16 -o -").strOut);
    EXPECT_EQ(Text("other.c"), Run("other.bmp -f bytes -m 16 -o -").strOut);

    for (const char* option : {"--save-doc d.tvx", "--header h.h -f bytes"}) {
        const RunResult usage = Run(std::string("pic.bmp other.bmp ") + option);
        EXPECT_EQ(usage.nExit, 2) << option;
        EXPECT_NE(usage.strErr.find("cannot go with more than one INPUT"), std::string::npos) << usage.strErr;
    }
}

// Two outputs of a run that reach one file, however spelt or linked, or an
// output that reaches an INPUT, are a usage error naming both, before
// anything is written; --force does not change that.
TEST_F(TovixExportTest, OutputsThatMeetEachOtherOrAnInputAreRefusedBeforeAnythingIsWritten)
{
    namespace fs = std::filesystem;
    for (const char* name : {"rose.png", "rose.jpg", "logo.png", "keep.xbm", "keep.bmp"}) fs::copy_file(dir.File("pic.bmp"), dir.File(name));
    ASSERT_EQ(Run("pic.bmp --for xbm --save-doc keep.tvx").nExit, 0);
    ASSERT_EQ(Run("pic.bmp -f 2 -o a.txt").nExit, 0);
    fs::create_directory(dir.File("sub"));
    fs::create_directory_symlink("sub", dir.File("lnk"));
    WriteFile(dir.File("sub/x.c"), {'x'});
    fs::create_symlink("sub/x.c", dir.File("alias.c"));
    WriteFile(dir.File("sub/h.c"), {'h'});
    fs::create_hard_link(dir.File("sub/h.c"), dir.File("hard.c"));
    fs::create_hard_link(dir.File("a.txt"), dir.File("hard.txt"));
    WriteFile(dir.File("out.txt"), {});
    // Every name in the folder, with a hash of its content, or 0 for a link or a folder.
    const auto snapshot = [&] {
        std::map<std::string, std::size_t> files;
        for (const auto& entry : fs::recursive_directory_iterator(dir.Path())) {
            const std::vector<std::uint8_t> bytes = entry.is_regular_file() ? ReadFile(entry.path()) : std::vector<std::uint8_t>{};
            files[entry.path().filename()] = entry.is_symlink() ? 0 : std::hash<std::string>{}({bytes.begin(), bytes.end()});
        }
        return files;
    };
    const auto before = snapshot();
    const struct {
        const char* args;
        const char* stdoutTo;
        std::string error;
    } cases[] = {
        {"--force -m 565 rose.png rose.jpg", "",
         "the default output of 'rose.png' ('rose.c') and the default output of 'rose.jpg' ('rose.c') are the same file"},
        {"-f bin -m 565 -o logo.png --force logo.png", "", "-o 'logo.png' is INPUT 'logo.png'"},
        {"pic.bmp -o ./a.c --save-doc a.c", "", "--save-doc 'a.c' and -o './a.c' are the same file"},
        {"pic.bmp -o sub/new.c --save-doc lnk/new.c", "", "--save-doc 'lnk/new.c' and -o 'sub/new.c' are the same file"},
        {"pic.bmp -o alias.c --save-doc sub/x.c --force", "", "--save-doc 'sub/x.c' and -o 'alias.c' are the same file"},
        {"pic.bmp -o hard.c --save-doc sub/h.c --force", "", "--save-doc 'sub/h.c' and -o 'hard.c' are the same file"},
        {"pic.bmp -f bytes -m 16 -o a.c --header ./a.c", "", "--header './a.c' and -o 'a.c' are the same file"},
        {"pic.bmp -f bytes -m 16 --header pic.c", "", "--header 'pic.c' and the default output of 'pic.bmp' ('pic.c') are"},
        {"pic.bmp -o lnk/../pic.bmp --force", "", "-o 'lnk/../pic.bmp' is INPUT 'pic.bmp'"},
        {"pic.bmp -o no/such/a.c --save-doc no/./such/a.c", "", "--save-doc 'no/./such/a.c' and -o 'no/such/a.c' are"},
        {"pic.bmp ./pic.bmp", "", "the default output of 'pic.bmp' ('pic.c') and the default output of './pic.bmp' ('./pic.c')"},
        {"keep.xbm keep.tvx", "", "the default output of 'keep.tvx' ('keep.xbm') is INPUT 'keep.xbm'"},
        {"--decode a.txt -o ./a.txt --force", "", "-o './a.txt' is --decode 'a.txt'"},
        {"--decode a.txt -o hard.txt --force", "", "-o 'hard.txt' is --decode 'a.txt'"},
        {"- -f bin -m 565 -o pic.bmp --force < pic.bmp", "", "-o 'pic.bmp' is standard input"},
        {"pic.bmp -f 2 -o - --save-doc out.txt --force", "out.txt", "--save-doc 'out.txt' and standard output are the same file"},
    };
    language = "C";
    for (const auto& c : cases) {
        const RunResult result = Run(c.args, c.stdoutTo[0] != '\0' ? dir.File(c.stdoutTo) : std::string());
        EXPECT_EQ(result.nExit, 2) << c.args;
        EXPECT_TRUE(result.strErr.starts_with("tovix-export: " + c.error)) << c.args << "\n" << result.strErr;
        EXPECT_EQ(snapshot(), before) << c.args;
    }
    language = "ja_JP.UTF-8";
    EXPECT_TRUE(Run("--force -m 565 rose.png rose.jpg").strErr.starts_with(
        "tovix-export: 'rose.png'の既定の出力('rose.c')と'rose.jpg'の既定の出力('rose.c')は同じﾌｧｲﾙです"));

    // The same name in another folder, and a document's kept target that
    // gives another extension, meet nothing; a device is written to, never
    // replaced; --force replaces an earlier run's file.
    EXPECT_EQ(Run("pic.bmp -o /dev/null --save-doc /dev/null --force").nExit, 0);
    fs::copy_file(dir.File("pic.bmp"), dir.File("sub/pic.bmp"));
    fs::remove(dir.File("keep.xbm"));
    const RunResult apart = Run("pic.bmp sub/pic.bmp keep.tvx keep.bmp");
    EXPECT_EQ(apart.nExit, 0) << apart.strErr;
    for (const char* name : {"pic.c", "sub/pic.c", "keep.xbm", "keep.c"}) EXPECT_TRUE(fs::exists(dir.File(name))) << name;
    EXPECT_EQ(Run("pic.bmp sub/pic.bmp --force").nExit, 0);
}

// Trim, rotate, flip and resize keep the alpha of the modes that keep it: a
// shape gives what the shaped picture gives, trim cuts off alpha 0, and a
// resize weighs colours by their alpha, so red beside transparency stays red.
TEST_F(TovixExportTest, GeometryKeepsTheAlphaOfTheModesThatKeepIt)
{
    // 20 x 12: a border of 3 transparent pixels around red, one blue pixel of alpha 200.
    QImage icon(20, 12, QImage::Format_ARGB32);
    icon.fill(qRgba(0, 0, 0, 0));
    for (int y = 3; y < 9; ++y)
        for (int x = 3; x < 17; ++x) icon.setPixel(x, y, qRgba(255, 0, 0, 255));
    icon.setPixel(5, 4, qRgba(0, 0, 255, 200));
    ASSERT_TRUE(icon.save(QString::fromStdString(dir.File("icon.png"))));
    const std::string bin = "--for lvgl9 -f bin -m argb8888 -o - ";
    const std::pair<std::string, QImage> shapes[] = {
        {"--rotate 90", icon.transformed(QTransform().rotate(90))},
        {"--rotate 270 --flip h", icon.transformed(QTransform().rotate(270)).mirrored(true, false)},
        {"--flip v", icon.mirrored(false, true)},
    };
    for (const auto& [shape, shaped] : shapes) {
        ASSERT_TRUE(shaped.save(QString::fromStdString(dir.File("shaped.png"))));
        const RunResult result = Run(bin + shape + " icon.png");
        EXPECT_EQ(result.nExit, 0) << shape << result.strErr;
        EXPECT_EQ(result.strOut, Run(bin + "shaped.png").strOut) << shape;
    }
    EXPECT_TRUE(Run("--for lvgl9 -m argb8888 --trim -o - icon.png").strOut.starts_with("/* 14x6 pixels")) << "trimmed";
    EXPECT_EQ(Run("--for adafruit-gfx -m 565a1 --resize 10x6 -o - icon.png").nExit, 0);
    ASSERT_EQ(Run("--for lvgl9 -m argb8888 --resize 10x6 -o small.c icon.png").nExit, 0);
    ASSERT_EQ(Run("--decode small.c -o small.png").nExit, 0);
    const QImage small = QImage(QString::fromStdString(dir.File("small.png"))).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(small.size(), QSize(10, 6));
    EXPECT_EQ(small.pixel(0, 0), qRgba(0, 0, 0, 0));
    EXPECT_EQ(small.pixel(1, 1), qRgba(255, 0, 0, 64)) << "a quarter seen, all red";
    EXPECT_EQ(small.pixel(1, 2), qRgba(255, 0, 0, 128)) << "half seen, all red";
    EXPECT_EQ(small.pixel(5, 2), qRgba(255, 0, 0, 255));
}

// A PNG decoded from an export that keeps alpha keeps it too, so the same
// export of the decoded picture gives the same file; a BMP cannot hold it.
TEST_F(TovixExportTest, DecodedAlphaExportsKeepTheirAlphaInPng)
{
    // Alpha of every level; for the one-bit mask, of none but 0 and 255,
    // since a colour under alpha 0 reads back as black.
    const struct {
        const char* settings;
        const char* picture;
    } cases[] = {
        {"--for lvgl9 -m argb8888", "basn6a08.png"}, {"--for lvgl9 -m rgb565a8", "basn6a08.png"},
        {"--for lvgl9 -m a8", "basn6a08.png"},       {"--for lvgl8 -m argb8888", "basn6a08.png"},
        {"--for adafruit-gfx -m 565a1", "tbrn2c08.png"},
    };
    for (const auto& c : cases) {
        const std::string options = c.settings;
        std::filesystem::copy_file(std::string(TOVIX_TESTDATA_DIR) + "/pngsuite/" + c.picture, dir.File("alpha.png"),
                                   std::filesystem::copy_options::overwrite_existing);
        ASSERT_EQ(Run(options + " -o alpha.c --force alpha.png").nExit, 0) << c.settings;
        ASSERT_EQ(Run("--decode alpha.c -o back.png --force").nExit, 0) << c.settings;
        EXPECT_EQ(Run(options + " -n alpha -o - back.png").strOut, Text("alpha.c")) << c.settings;
        ASSERT_EQ(Run("--decode alpha.c -o back.bmp --force").nExit, 0) << c.settings;
        EXPECT_NE(Run(options + " -n alpha -o - back.bmp").strOut, Text("alpha.c")) << c.settings;
    }
}

TEST_F(TovixExportTest, DecodedPicturesConvertBackToTheSameBytesWithoutADisplay)
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) unsetenv(variable);
    // 300 pixels wide: FORMAT_1 of a byte a pixel, or of packed bits, takes the long size prefix.
    WriteFile(dir.File("wide.bmp"), BuildBmp(300, 2, PatternPixel));
    // White and black: the largest and smallest value of each mode.
    WriteFile(dir.File("ends.bmp"), BuildBmp(2, 1, [](int x, int) { return x == 0 ? testing_support::Rgb{255, 255, 255} : testing_support::Rgb{0, 0, 0}; }));
    const struct {
        const char* settings;
        const char* input;
    } exports[] = {
        {"-f 1 -m 6", "pic.bmp"}, {"-f 1 -m 8", "wide.bmp"}, {"-f 1 -m 1", "wide.bmp"},
        {"-f 1 -m 24", "ends.bmp"}, {"-f 2 -m 565", "ends.bmp"}, {"-f 2 -m 15", "ends.bmp"},
        {"-f 2 -m mono -t 100,150,200", "pic.bmp"}, {"-f bytes -m 1 --pack pages --invert", "pic.bmp"},
        {"-f bytes -m 24 --rgb-order bgr", "pic.bmp"}, {"-f bytes -m 15 --byte-order big", "pic.bmp"},
    };
    for (const auto& e : exports) {
        const std::string settings = e.settings;
        ASSERT_EQ(Run(settings + " -n pic -o pic.out --force " + e.input).nExit, 0) << settings;
        // The ending picks PNG in any case.
        for (const std::string picture : {"back.bmp", "back.png", "BACK.PNG"}) {
            const RunResult decoded = Run("--decode pic.out --force -o " + picture);
            ASSERT_EQ(decoded.nExit, 0) << settings << " " << picture << "\n" << decoded.strErr;
            EXPECT_EQ(ReadFile(dir.File(picture)).at(1), picture.ends_with("bmp") ? 'M' : 'P') << picture;
            EXPECT_EQ(Run(settings + " -n pic -o - " + picture).strOut, Text("pic.out"))
                << settings << " " << picture;
        }
    }
    // By default the decoded picture never takes a name a source picture would have.
    ASSERT_EQ(Run("--decode pic.out").nExit, 0);
    EXPECT_EQ(ReadFile(dir.File("pic.out.png")).at(1), 'P');
    // A picture from standard input is told by its content and goes to standard output.
    EXPECT_EQ(Run("-f 2 -m 6 - < back.png").strOut, Run("-f 2 -m 6 -o - back.png").strOut);

    // Exports changed by hand in one place each.
    ASSERT_EQ(Run("-f 1 -m 8 -n wide -o wide.c wide.bmp").nExit, 0);
    ASSERT_EQ(Run("-f 2 -m 565 -n pic -o pic.txt pic.bmp").nExit, 0);
    const std::string list = Text("pic.txt");
    const std::string firstValue = list.substr(list.find('\n') + 1, 5);
    const struct {
        const char* name;
        const char* file;
        std::string from, to;
        std::string error;
    } edits[] = {
        {"long size prefix", "wide.c", "{0x01,0x2c,0x00,0x02,", "{0x01,0x2d,0x00,0x02,",
         "line 6: the size at the start of the array differs"},
        {"element count", "wide.c", "[604]", "[603]", "line 6: the declared element count differs"},
        {"short size prefix", "pic.c", "{37,21,", "{37,22,", "line 6: the size at the start of the array differs"},
        {"size line", "wide.c", "2 dot", "2 dots", "line 4: the comment block is not that of FORMAT_1"},
        {"no pixels", "wide.c", "   300 ", "   0 ", "line 4: the picture has no pixels"},
        {"empty width", "pic.txt", "BPP,37,", "BPP,,", "line 1: the first line is not"},
        {"ten-digit width", "pic.txt", "BPP,37,", "BPP,1000000037,", "line 1: the first line is not"},
        {"a third number", "pic.txt", "BPP,37,21,", "BPP,37,21,5,", "line 1: the first line is not"},
        {"value past 15 bits", "ends.txt", "7fff", "8000", "line 2: value 8000 is out of the colour mode's range"},
        {"value too short", "pic.txt", "\n" + firstValue, "\n" + firstValue.substr(1), "line 2: '" + firstValue.substr(1)},
        {"empty value", "pic.txt", "\n" + firstValue, "\n,", "line 2: ',"},
    };
    ASSERT_EQ(Run("-f 1 -m 6 -n pic -o pic.c pic.bmp").nExit, 0);
    ASSERT_EQ(Run("-f 2 -m 15 -n ends -o ends.txt ends.bmp").nExit, 0);
    // Hex digits in upper case read as in lower case.
    std::string upper = list;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    WriteFile(dir.File("upper.txt"), std::vector<std::uint8_t>(upper.begin(), upper.end()));
    ASSERT_EQ(Run("--decode upper.txt -o upper.bmp").nExit, 0);
    ASSERT_EQ(Run("--decode pic.txt -o lower.bmp").nExit, 0);
    EXPECT_EQ(ReadFile(dir.File("upper.bmp")), ReadFile(dir.File("lower.bmp")));
    for (const auto& e : edits) {
        std::string text = Text(e.file);
        const std::size_t nAt = text.find(e.from);
        ASSERT_NE(nAt, std::string::npos) << e.name;
        text.replace(nAt, e.from.size(), e.to);
        WriteFile(dir.File("edited.out"), std::vector<std::uint8_t>(text.begin(), text.end()));
        const RunResult result = Run("--decode edited.out --force -o edited.bmp");
        EXPECT_EQ(result.nExit, 1) << e.name;
        EXPECT_NE(result.strErr.find("edited.out: " + e.error), std::string::npos) << e.name << "\n" << result.strErr;
    }

    const struct {
        const char* args;
        int nExit;
        const char* error;
    } refusals[] = {
        {"--decode missing.c", 1, "missing.c: cannot read the file"},
        {"--decode pic.bmp -o x.bmp", 1, "pic.bmp: line 1: "},
        {"--decode pic.out -o back.png", 1, "back.png: the file exists"},
        {"--decode pic.out -m 6", 2, "-m cannot go with --decode"},
        {"--decode pic.out pic.bmp", 2, "--decode takes no INPUT"},
    };
    for (const auto& c : refusals) {
        const RunResult result = Run(c.args);
        EXPECT_EQ(result.nExit, c.nExit) << c.args;
        EXPECT_NE(result.strErr.find(c.error), std::string::npos) << c.args << "\n" << result.strErr;
    }
}

TEST_F(TovixExportTest, SourceIncludesItsHeaderByThePathFromItsOwnFolder)
{
    std::filesystem::create_directories(dir.File("sub"));
    std::filesystem::create_directories(dir.File("inc"));
    const struct {
        const char* args;
        const char* include;
    } cases[] = {
        {"--header sub/x.h -o sub/x.c", "#include \"x.h\"\n"},
        {"--header inc/x.h -o sub/x.c", "#include \"../inc/x.h\"\n"},
        {"--header ./x.h -o sub/../sub/x.c", "#include \"../x.h\"\n"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Run(std::string("pic.bmp -f bytes -m 16 --force ") + c.args).nExit, 0) << c.args;
        EXPECT_NE(Text("sub/x.c").find(c.include), std::string::npos) << c.args << "\n" << Text("sub/x.c");
    }
}

TEST_F(TovixExportTest, DiskFullLeavesNoPartialFileAndKeepsTheOldOne)
{
    WriteFile(dir.File("old.c"), {'o', 'l', 'd'});
    for (const char* args : {"pic.bmp -o new.c", "pic.bmp -o old.c --force", "pic.bmp --save-doc new.tvx",
                             "pic.bmp -f 2 -o new.txt --save-doc new.tvx"}) {
        RunResult result;
        {
            const FileSizeLimit limit(1000);
            result = Run(args);
        }
        EXPECT_EQ(result.nExit, 1) << args;
        EXPECT_TRUE(result.strErr.starts_with("tovix-export: ")) << args << "\n" << result.strErr;
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"old.c", "pic.bmp"})) << args;
        EXPECT_EQ(Text("old.c"), "old") << args;
    }
}

TEST_F(TovixExportTest, SpeaksEnglishUnlessTheLocaleNamesJapaneseAndSaysWhatToDo)
{
    WriteFile(dir.File("notes.bmp"), {'n', 'o', 't', 'e', 's'});
    BmpLayout eightBits;
    eightBits.nBitCount = 8;
    WriteFile(dir.File("eight.bmp"), BuildBmp(2, 2, PatternPixel, eightBits));
    std::filesystem::create_directory(dir.File("folder.bmp"));
    ASSERT_EQ(mkfifo(dir.File("pipe.tvx").c_str(), 0600), 0);
    ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB888).save(QString::fromStdString(dir.File("photo.bmp")), "JPEG"));
    WriteFile(dir.File("text.png"), {'t', 'e', 'x', 't', '\n'});
    WriteFile(dir.File("empty.png"), {});
    const auto kNotBmp = [](const std::string& name) {
        return "tovix-export: " + name + ": not a BMP file, or its headers or pixel rows are damaged; "
                                         "for a picture of another kind named .bmp, give --picture\n";
    };
    const auto kNotPicture = [](const std::string& name) {
        return "tovix-export: " + name + ": not a picture TOVIX can read: PNG, JPEG, GIF, BMP, TGA, or another kind "
                                         "the installed image readers know (TIFF, WebP, SVG, ICO, PBM, PGM, PPM, XBM, XPM ...)\n";
    };
    const struct {
        const char* locale;
        const char* args;
        std::string error;
    } cases[] = {
        {"C", "missing.bmp", "tovix-export: missing.bmp: cannot open the picture: No such file or directory\n"},
        {"", "missing.bmp", "tovix-export: missing.bmp: cannot open the picture: No such file or directory\n"},
        {"en_GB.UTF-8", "notes.bmp", kNotBmp("notes.bmp")},
        {"C", "photo.bmp", kNotBmp("photo.bmp")},
        {"C", "text.png", kNotPicture("text.png")},
        {"C", "empty.png", kNotPicture("empty.png")},
        {"C", "notes.bmp --picture", kNotPicture("notes.bmp")},
        {"C", "notes.bmp -f bytes --frames", kNotPicture("notes.bmp")},
        {"POSIX", "eight.bmp", "tovix-export: eight.bmp: not a 24-bit BMP file; give --picture to read a BMP of any depth\n"},
        {"C", "missing.tvx", "tovix-export: missing.tvx: cannot open the document: No such file or directory\n"},
        {"C", "folder.bmp", "tovix-export: folder.bmp: cannot open the picture: Is a directory\n"},
        {"C", "pipe.tvx", "tovix-export: pipe.tvx: cannot open the document\n"},
        {"C", "pic.bmp -o no/such.c", "tovix-export: no/such.c: cannot create the file: No such file or directory\n"},
        {"ja_JP", "notes.bmp", "tovix-export: notes.bmp: 読み込んだファイルの形式が正しくありません。\n"
                               "tovix-export: notes.bmp: ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙを開けません\n"},
        {"ja", "missing.bmp", "tovix-export: missing.bmp: ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙを開けません\n"},
        // LC_ALL, then LC_MESSAGES, then LANG: the first one set decides.
        {"ja_JP.UTF-8 LC_ALL=C", "missing.tvx", "tovix-export: missing.tvx: cannot open the document: No such file or directory\n"},
        {"C LC_MESSAGES=ja_JP.UTF-8", "missing.tvx", "tovix-export: missing.tvx: ﾌｧｲﾙを開けません\n"},
    };
    for (const auto& c : cases) {
        language = c.locale;
        EXPECT_EQ(Run(c.args).strErr, c.error) << c.locale << " " << c.args;
    }

    // An unknown mode is told with the modes, as --list-modes lists them.
    std::string modes = Run("--list-modes").strOut;
    for (std::size_t n; (n = modes.find('\n')) != modes.size() - 1;) modes.replace(n, 1, ", ");
    EXPECT_EQ(Run("pic.bmp -m rgb565").strErr, "tovix-export: unknown colour mode 'rgb565'; give a number or a name of: " +
                                                   modes + "Try 'tovix-export --help' for more information.\n");
}

// Dithered values are values of the mode: they read back and convert to the
// same bytes, yet differ from the undithered ones on a gradient.
TEST_F(TovixExportTest, ReductionSettingsChangeTheValuesWithinTheMode)
{
    WriteFile(dir.File("ramp.bmp"), BuildBmp(48, 8, [](int x, int) {
        const auto v = static_cast<std::uint8_t>(x * 5);
        return testing_support::Rgb{v, v, v};
    }));
    const std::pair<std::string, std::string> cases[] = {
        {"-m 1", "--dither floyd-steinberg"}, {"-m 1", "--dither atkinson"}, {"-m 6", "--dither ordered"},
        {"-m 8", "--dither floyd-steinberg"}, {"-m 565", "--round"},         {"-m 1", "--mono luminance -t 200"},
        {"-m grey2", "--dither ordered"}, {"-m grey4 --bit-order lsb", "--dither atkinson"},
        {"-m index2 --palette grey3.txt", "--dither floyd-steinberg"},
        {"--for epaper", "--dither atkinson"},
    };
    WriteFile(dir.File("grey3.txt"), {'0', '0', '0', '0', '0', '0', '\n', '8', '0', '8', '0', '8', '0', '\n', 'f', 'f', 'f', 'f', 'f', 'f'});
    for (const auto& [mode, settings] : cases) {
        ASSERT_EQ(Run("-f bytes -o ramp.c --force ramp.bmp " + mode + " " + settings).nExit, 0) << settings;
        EXPECT_NE(Text("ramp.c"), Run("-f bytes -o - ramp.bmp " + mode).strOut) << settings;
        ASSERT_EQ(Run("--decode ramp.c -o back.bmp --force").nExit, 0) << settings;
        EXPECT_EQ(Run("-f bytes -n ramp -o - back.bmp " + mode).strOut, Text("ramp.c")) << settings;
    }
    // Colours the mode shows exactly leave no error to spread: every channel
    // reaches the kernels in its place.
    WriteFile(dir.File("exact.bmp"), BuildBmp(10, 4, [](int x, int y) {
        const testing_support::Rgb colours[] = {{248, 0, 0}, {0, 252, 0}, {0, 0, 248}, {248, 252, 0}, {0, 0, 0}};
        return colours[(x + y) % 5];
    }));
    for (const char* dither : {"floyd-steinberg", "atkinson", "ordered"}) {
        EXPECT_EQ(Run(std::string("-f bytes -m 565 -o - exact.bmp --dither ") + dither).strOut,
                  Run("-f bytes -m 565 -o - exact.bmp").strOut) << dither;
    }
}

// Pure red and blue are darker than half (Rec. 709: 127 and 76 of 255) but
// have a channel of 255: by brightness they turn black, by the channels
// white. Every output beyond FORMAT_1 and FORMAT_2 goes by brightness unless
// told otherwise, so that a red logo does not vanish.
TEST_F(TovixExportTest, TwoColoursGoByBrightnessBeyondFormat1AndFormat2)
{
    WriteFile(dir.File("red.bmp"), BuildBmp(8, 2, [](int, int y) {
        return y == 0 ? testing_support::Rgb{255, 0, 0} : testing_support::Rgb{0, 0, 255};
    }));
    const struct {
        const char* args;
        bool bBlack;           // the row of eight red pixels is one byte: 0xff black, 0x00 white
    } cases[] = {
        {"-f bytes -m 1", true},
        {"-f bytes -m 1 --frames", true},
        {"--for u8g2", true},
        {"--for xbm", true},
        {"-f bytes -m 1 -t 200", true},
        {"-f bytes -m 1 --mono channels", false},
        {"-f bytes -m 1 -t 128,128,128", false},
        {"--for u8g2 --mono channels", false},
    };
    // The first array element's value, or -1.
    const auto firstByte = [this](const std::string& args) {
        const RunResult result = Run(args + " -o - red.bmp");
        const std::size_t nData = result.strOut.find("= {");
        const std::size_t nHex = result.strOut.find("0x", nData);
        return nData == std::string::npos || nHex == std::string::npos ? -1 : std::stoi(result.strOut.substr(nHex, 4), nullptr, 16);
    };
    for (const auto& c : cases) EXPECT_EQ(firstByte(c.args), c.bBlack ? 0xff : 0x00) << c.args;
    // Dithered, the red row still has black pixels, the first among them.
    EXPECT_EQ(firstByte("--for u8g2 --dither floyd-steinberg") & 1, 1);
    ASSERT_EQ(Run("-f bin -m 1 -o red.bin red.bmp").nExit, 0);
    EXPECT_EQ(Text("red.bin"), std::string("\xff\xff", 2)) << "-f bin";
    // FORMAT_1 and FORMAT_2 keep the channels, as the program's six modes do.
    for (const char* format : {"-f 1", "-f 2"}) {
        const std::string plain = Run(std::string(format) + " -m 1 -o - red.bmp").strOut;
        EXPECT_EQ(plain, Run(std::string(format) + " -m 1 --mono channels -o - red.bmp").strOut) << format;
        EXPECT_NE(plain, Run(std::string(format) + " -m 1 --mono luminance -o - red.bmp").strOut) << format;
    }
    EXPECT_EQ(Run("-m 1 -t 100 red.bmp").nExit, 2) << "FORMAT_1 takes one threshold only with --mono luminance";
}

// Grey and palette modes go by name, with the byte layouts only; the palette
// is libimagequant's or the user's, exactly.
TEST_F(TovixExportTest, GreyAndPaletteModesGoByNameWithTheirPalette)
{
    const auto write = [&](const char* name, const std::string& text) {
        WriteFile(dir.File(name), std::vector<std::uint8_t>(text.begin(), text.end()));
    };
    // A seven-colour e-paper panel's inks.
    write("epaper.txt", "#000000\n#ffffff\n#00ff00\n#0000ff\n#ff0000\n#ffff00\n#ff8000\n");
    write("bad.txt", "#000000\nblack\n");
    const std::pair<const char*, const char*> errors[] = {
        {"pic.bmp -m 101", "unknown colour mode '101'"},
        {"pic.bmp -f 1 -m grey4", "-f 1 takes colour mode 1 or 6 or 8 or 15 or 16 or 24, not grey4"},
        {"pic.bmp -f 2 -m index2", "-f 2 takes colour mode"},
        {"pic.bmp -f bytes -m grey4 --pack pages", "--pack pages does not apply to colour mode grey4"},
        {"pic.bmp -f bytes -m grey4 -t 1,2,3", "--threshold does not apply to colour mode grey4"},
        {"pic.bmp -f bytes -m grey4 --palette-format 565", "--palette-format does not apply to colour mode grey4"},
        {"pic.bmp -f bytes -m 565 --palette epaper.txt", "--palette does not apply to colour mode 16"},
        {"pic.bmp -f bytes -m index2 --palette epaper.txt", "--palette holds 7 colours, more than the 4 of colour mode index2"},
        {"pic.bmp -f bytes -m index4 --palette bad.txt", "bad.txt:2:"},
        {"pic.bmp -f bytes -m index4 --palette-format 666", "--palette-format must be 888 or 565"},
        {"pic.bmp -f bytes -m index8 --byte-order big", "--byte-order does not apply to colour mode index8"},
        {"pic.bmp -f bytes -m grey1 --invert", "--invert does not apply to colour mode grey1"},
    };
    for (const auto& [args, error] : errors) {
        const RunResult result = Run(args);
        EXPECT_EQ(result.nExit, 2) << args;
        EXPECT_NE(result.strErr.find(error), std::string::npos) << args << "\n" << result.strErr;
    }

    // Each ink's index is its line, and the palette holds the file's colours, then black.
    WriteFile(dir.File("inks.bmp"), BuildBmp(7, 1, [](int x, int) {
        const testing_support::Rgb inks[] = {{0, 0, 0}, {255, 255, 255}, {0, 255, 0}, {0, 0, 255}, {255, 0, 0}, {255, 255, 0}, {255, 128, 0}};
        return inks[x];
    }));
    const RunResult inks = Run("-f bytes -m index4 --palette epaper.txt -n inks -o - inks.bmp");
    ASSERT_EQ(inks.nExit, 0) << inks.strErr;
    EXPECT_NE(inks.strOut.find("const uint8_t inks_palette[48] = {\n"
                               "0x00,0x00,0x00,0xff,0xff,0xff,0x00,0xff,0x00,0x00,0x00,0xff,0xff,0x00,0x00,0xff,\n"
                               "0xff,0x00,0xff,0x80,0x00,0x00,0x00,0x00,"),
              std::string::npos) << inks.strOut;
    EXPECT_NE(inks.strOut.find("const uint8_t inks[4] = {\n0x01,0x23,0x45,0x60\n};"), std::string::npos) << inks.strOut;
    // A document keeps the mode and the palette, and stays what the six modes
    // read: the nearest of them, without the palette; alone it needs no -f.
    ASSERT_EQ(Run("-m index4 --palette epaper.txt --save-doc inks.tvx inks.bmp").nExit, 0);
    EXPECT_EQ(Run("-f bytes -n inks -o - inks.tvx").strOut, inks.strOut);
    EXPECT_EQ(Run("-n inks -o - inks.tvx -m 6").strOut, Run("-m 6 -o - inks.bmp").strOut);
    const RunResult format1 = Run("-o - inks.tvx");
    EXPECT_EQ(format1.nExit, 2);
    EXPECT_NE(format1.strErr.find("-f 1 takes colour mode"), std::string::npos) << format1.strErr;

    // libimagequant keeps the two colours of a two-colour picture.
    WriteFile(dir.File("two.bmp"), BuildBmp(9, 3, [](int x, int y) { 
        return (x + y) % 3 ? testing_support::Rgb{200, 30, 40} : testing_support::Rgb{20, 90, 220};
    }));
    const RunResult two = Run("-f bytes -m index1 -n two -o two.c two.bmp");
    ASSERT_EQ(two.nExit, 0) << two.strErr;
    const std::string text = Text("two.c");
    const bool bRedFirst = text.find("0xc8,0x1e,0x28,0x14,0x5a,0xdc") != std::string::npos;
    EXPECT_TRUE(bRedFirst || text.find("0x14,0x5a,0xdc,0xc8,0x1e,0x28") != std::string::npos) << text;
    ASSERT_EQ(Run("--decode two.c -o back.bmp").nExit, 0);
    EXPECT_EQ(Run("-f bytes -n x -o - back.bmp").strOut, Run("-f bytes -n x -o - two.bmp").strOut);
}

// A document keeps the reduction settings: its export is the picture's with
// them, the command line's own win, and stored ones a mode has no use for drop out.
TEST_F(TovixExportTest, DocumentKeepsTheReductionSettingsForItsExports)
{
    WriteFile(dir.File("ramp.bmp"), BuildBmp(40, 6, [](int x, int y) {
        const auto v = static_cast<std::uint8_t>(x * 6 + y);
        return testing_support::Rgb{v, static_cast<std::uint8_t>(255 - v), v};
    }));
    const auto exported = [this](const std::string& input, const std::string& settings) {
        return Run("-f bytes -n ramp -o - " + input + " " + settings).strOut;
    };
    // The settings saved, then settings given for the document's export and
    // the settings that give the picture the same export.
    struct Case {
        std::string saved;
        std::vector<std::pair<std::string, std::string>> given;
    } cases[] = {
        {"-m 1 --dither atkinson",
         {{"--dither none", "-m 1"}, {"-m 8", "-m 8 --dither atkinson"}, {"-m 24", "-m 24"},
          {"--mono luminance", "-m 1 --dither atkinson --mono luminance"}}},
        {"-m 565 --round --dither ordered",
         {{"--dither floyd-steinberg", "-m 565 --round --dither floyd-steinberg"}, {"-m 1", "-m 1 --dither ordered"}}},
        {"-m 1 --mono luminance -t 200", {{"-t 20", "-m 1 --mono luminance -t 20"}, {"--mono channels", "-m 1 --mono channels"}, {"-m 6", "-m 6"}}},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Run("ramp.bmp --force --save-doc d.tvx " + c.saved).nExit, 0) << c.saved;
        EXPECT_EQ(ReadFile(dir.File("d.tvx")).at(0), 301 % 256) << c.saved;
        EXPECT_EQ(exported("d.tvx", ""), exported("ramp.bmp", c.saved)) << c.saved;
        for (const auto& [given, same] : c.given) {
            const RunResult result = Run("-f bytes -n ramp -o - d.tvx " + given);
            EXPECT_EQ(result.nExit, 0) << c.saved << " | " << given << result.strErr;
            EXPECT_EQ(result.strOut, exported("ramp.bmp", same)) << c.saved << " | " << given;
        }
    }
    const RunResult lone = Run("-o - d.tvx -m 1 --mono channels -t 5");
    EXPECT_EQ(lone.nExit, 2);
    EXPECT_NE(lone.strErr.find("-t with one threshold goes with --mono luminance"), std::string::npos) << lone.strErr;
}

// A document keeps --for, and -f bin with it: without -f or --for its export
// is for that library. It keeps the array name and layout options too; those
// given win, and kept ones the mode or format in effect cannot take stay out.
TEST_F(TovixExportTest, DocumentKeepsTheOutputForItsExports)
{
    ASSERT_EQ(Run("pic.bmp --for lvgl8 -m 24 --save-doc lvgl.tvx").nExit, 0);
    ASSERT_EQ(Run("pic.bmp -m 24 -n other --save-doc base.tvx").nExit, 0);
    EXPECT_EQ(ReadFile(dir.File("lvgl.tvx")).at(0), 301 % 256);
    EXPECT_EQ(ReadFile(dir.File("base.tvx")).at(0), 300 % 256) << "the base settings and -n alone";
    ASSERT_EQ(Run("lvgl.tvx --save-doc again.tvx").nExit, 0);
    const std::pair<std::string, std::string> cases[] = {
        {"lvgl.tvx", "--for lvgl8 -m 24"}, {"again.tvx", "--for lvgl8 -m 24"}, {"lvgl.tvx -m 16", "--for lvgl8 -m 16"},
        {"lvgl.tvx --for xbm", "--for xbm"}, {"lvgl.tvx -f 1", "-m 24"},       {"base.tvx", "-m 24"},
    };
    for (const auto& [document, same] : cases) {
        const RunResult result = Run("-n pic -o - " + document);
        EXPECT_EQ(result.nExit, 0) << document << result.strErr;
        EXPECT_EQ(result.strOut, Run("-n pic -o - pic.bmp " + same).strOut) << document;
    }
    ASSERT_EQ(Run("pic.bmp -f bytes -m 1 --pack pages --bit-order msb -n logo --save-doc pages.tvx").nExit, 0);
    ASSERT_EQ(Run("pic.bmp -f bin --for lvgl9 -m 16 --save-doc bin.tvx").nExit, 0);
    ASSERT_EQ(Run("pic.bmp -f bytes -m 1 --invert --save-doc inverted.tvx").nExit, 0);
    ASSERT_EQ(Run("pic.bmp -f bytes -m 24 --rgb-order bgr --save-doc bgr.tvx").nExit, 0);
    ASSERT_EQ(Run("pic.bmp -f bytes -m 16 --byte-order big --save-doc big.tvx").nExit, 0);
    ASSERT_EQ(Run("pic.bmp -f bytes -m grey2 --save-doc grey.tvx").nExit, 0);
    ASSERT_EQ(Run("pic.bmp -f 2 -m 16 --save-doc list.tvx").nExit, 0);
    const std::pair<std::string, std::string> kept[] = {
        {"-f bytes pages.tvx", "-f bytes -m 1 --pack pages --bit-order msb -n logo"},
        {"-f bytes --bit-order lsb -n other pages.tvx", "-f bytes -m 1 --pack pages --bit-order lsb -n other"},
        {"-f bytes -m 565 pages.tvx", "-f bytes -m 565 -n logo"},
        {"-f 1 pages.tvx", "-f 1 -m 1 -n pages"},
        {"bin.tvx", "-f bin --for lvgl9 -m 16"},
        {"-f bytes inverted.tvx", "-f bytes -m 1 --invert -n inverted"},
        {"-f bytes bgr.tvx", "-f bytes -m 24 --rgb-order bgr -n bgr"},
        {"-f bytes -m 565 bgr.tvx", "-f bytes -m 565 -n bgr"},
        {"-f bytes big.tvx", "-f bytes -m 16 --byte-order big -n big"},
        {"pages.tvx", "-f bytes -m 1 --pack pages --bit-order msb -n logo"},
        {"grey.tvx", "-f bytes -m grey2 -n grey"},
        {"list.tvx", "-f 2 -m 16 -n list"},
    };
    for (const auto& [document, same] : kept) {
        const RunResult result = Run("-o - " + document);
        EXPECT_EQ(result.nExit, 0) << document << result.strErr;
        EXPECT_EQ(result.strOut, Run("-o - pic.bmp " + same).strOut) << document;
    }
}

// Trim, rotate, flip and resize come before the reduction; a document keeps
// their result, and a picture larger than the store comes in when resized.
TEST_F(TovixExportTest, GeometryShapesThePictureBeforeItsReduction)
{
    const auto firstLine = [](const std::string& text) { return text.substr(0, text.find(" pixels")); };
    WriteFile(dir.File("framed.bmp"), BuildBmp(20, 10, [](int x, int y) {
        const bool bInside = x >= 3 && x < 9 && y >= 2 && y < 6;
        return bInside ? testing_support::Rgb{200, 0, 0} : testing_support::Rgb{255, 255, 255};
    }));
    WriteFile(dir.File("large.bmp"), BuildBmp(4096, 2048, PatternPixel));
    const std::pair<std::string, std::string> sizes[] = {
        {"pic.bmp --resize 8x8", "8x5"},           {"pic.bmp --resize 8x8 --fill", "8x8"},
        {"pic.bmp --resize 8x8 --fill --filter lanczos", "8x8"},
        {"pic.bmp --rotate 90", "21x37"},          {"pic.bmp --rotate 270 --resize 100x74", "42x74"},
        {"framed.bmp --trim", "6x4"},              {"framed.bmp --trim --background 0,0,0", "20x10"},
        {"large.bmp --resize 128x64", "128x64"},
    };
    for (const auto& [args, size] : sizes) {
        const RunResult result = Run("-f bytes -o - " + args);
        EXPECT_EQ(result.nExit, 0) << args << result.strErr;
        EXPECT_EQ(firstLine(result.strOut), "/* " + size) << args;
    }
    // Undone by the opposite shape on the picture read back.
    const std::pair<std::string, std::string> inverses[] = {
        {"--rotate 90", "--rotate 270"}, {"--rotate 180", "--flip h --flip v"}, {"--flip h", "--flip h"},
        {"--flip v --rotate 90", "--flip v --rotate 90"}, {"--resize 74x42 --filter nearest", "--resize 37x21 --filter nearest"},
    };
    const std::string plain = Run("-f bytes -n pic -o - pic.bmp").strOut;
    for (const auto& [there, back] : inverses) {
        ASSERT_EQ(Run("-f bytes -o turned.c --force pic.bmp " + there).nExit, 0) << there;
        ASSERT_EQ(Run("--decode turned.c -o turned.bmp --force").nExit, 0) << there;
        EXPECT_EQ(Run("-f bytes -n pic -o - turned.bmp " + back).strOut, plain) << there << " | " << back;
    }
    // Where the top-left pixel comes from.
    const std::tuple<std::string, int, int> corners[] = {
        {"--flip h", 36, 0}, {"--flip v", 0, 20}, {"--rotate 90", 0, 20}, {"--rotate 270", 36, 0}, {"--rotate 90 --flip h", 0, 0},
    };
    for (const auto& [shape, x, y] : corners) {
        ASSERT_EQ(Run("-f bytes -o turned.c --force pic.bmp " + shape).nExit, 0) << shape;
        ASSERT_EQ(Run("--decode turned.c -o turned.png --force").nExit, 0) << shape;
        const testing_support::Rgb expected = PatternPixel(x, y);
        EXPECT_EQ(QImage(QString::fromStdString(dir.File("turned.png"))).pixel(0, 0), qRgb(expected.r, expected.g, expected.b)) << shape;
    }
    const std::string shaped = "--trim --rotate 90 --resize 9x9 --filter lanczos -m 565 --dither ordered";
    ASSERT_EQ(Run("framed.bmp --save-doc shaped.tvx " + shaped).nExit, 0);
    EXPECT_EQ(Run("-f bytes -n framed -o - shaped.tvx").strOut, Run("-f bytes -o - framed.bmp " + shaped).strOut);
    // A document that keeps a shape, as the program's device export stores it,
    // is exported shaped, unless the command line gives one; saved again, the
    // shape is in its pixels and is not done twice.
    RecordingDialogs dialogs;
    auto kept = std::make_unique<CTOVIXDoc>();
    ASSERT_TRUE(ImportBmp(*kept, dir.File("pic.bmp"), dialogs));
    ExportSettings settings;
    settings.geometry.rotation = Rotation::Clockwise90;
    settings.geometry.bFlipVertical = true;
    kept->SetExportSettings(settings);
    ASSERT_TRUE(kept->OnSaveDocument(dir.File("kept.tvx"), dialogs));
    const std::string turned = Run("-f bytes -n pic -o - pic.bmp --rotate 90 --flip v").strOut;
    EXPECT_EQ(Run("-f bytes -n pic -o - kept.tvx").strOut, turned);
    EXPECT_EQ(Run("-f bytes -n pic -o - kept.tvx --flip h").strOut, Run("-f bytes -n pic -o - pic.bmp --flip h").strOut);
    ASSERT_EQ(Run("kept.tvx --save-doc again.tvx").nExit, 0);
    EXPECT_EQ(Run("-f bytes -n pic -o - again.tvx").strOut, turned);
}

// A document file may bring a mode outside the table: FORMAT_1 writes its
// comment block alone, as the program does, and nothing asks the table for it.
TEST_F(TovixExportTest, ADocumentOfAnUnknownModeWritesTheCommentBlockAlone)
{
    ASSERT_EQ(Run("pic.bmp --save-doc odd.tvx").nExit, 0);
    std::vector<std::uint8_t> bytes = ReadFile(dir.File("odd.tvx"));
    bytes.at(12) = 7;   // the colour mode, after version, width and height
    WriteFile(dir.File("odd.tvx"), bytes);
    const RunResult result = Run("odd.tvx -o -");
    EXPECT_EQ(result.nExit, 0) << result.strErr;
    EXPECT_TRUE(result.strOut.ends_with(" dot\r\n*************************************************/\r\n")) << result.strOut;
    EXPECT_EQ(Run("--list-modes").strOut, "1 mono\n6 64\n8 256\n15 555\n16 565\n24 full\n"
                                          "grey1\ngrey2\ngrey4\ngrey8\nindex1\nindex2\nindex4\nindex8\nargb8888\nrgb565a8\na8\n565a1\n");
}

// Build scripts name a target's files from --list-targets: each extension
// must be the one the tool's own default output takes.
TEST_F(TovixExportTest, ListedTargetsNameTheExtensionOfTheirDefaultOutput)
{
    const std::string listing = Run("--list-targets").strOut;
    std::istringstream lines(listing);
    std::string target, extension;
    while (lines >> target >> extension) {
        ASSERT_EQ(Run("pic.bmp --force --for " + target).nExit, 0) << target;
        EXPECT_TRUE(std::filesystem::exists(dir.File("pic." + extension))) << target << " " << extension;
        std::filesystem::remove(dir.File("pic." + extension));
    }
    EXPECT_NE(listing.find("\nxbm xbm\n"), std::string::npos) << listing;
}

TEST_F(TovixExportTest, DocumentLandsOnlyWhenStandardOutputWasWritten)
{
    const RunResult result = Run("pic.bmp -f 2 -o - --save-doc doc.tvx", "/dev/full");
    EXPECT_EQ(result.nExit, 1);
    EXPECT_EQ(result.strErr, "tovix-export: -: cannot write to standard output\n");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"pic.bmp"});

    ASSERT_EQ(Run("pic.bmp -o - --save-doc -").nExit, 0) << "a document named - is a file";
    EXPECT_EQ(ReadFile(dir.File("-")).size(), 34u + 4 * 37 * 21);
}

TEST_F(TovixExportTest, PictureOnePixelLargerThanTheStoreIsRefused)
{
    WriteFile(dir.File("large.bmp"), BuildBmp(2049, 1024, PatternPixel));
    const RunResult result = Run("large.bmp -o large.c --save-doc large.tvx");
    EXPECT_EQ(result.nExit, 1);
    EXPECT_EQ(result.strErr, std::string("tovix-export: large.bmp: ") + msg::kPictureTooLarge + "\n");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"large.bmp", "pic.bmp"}));
    language = "C";
    EXPECT_EQ(Run("-o - large.bmp").strErr, "tovix-export: large.bmp: the picture has more than 2097152 pixels "
                                            "(2048 x 1024), the most an export or a document holds; give --resize "
                                            "WxH to make it smaller\n");
}

// A PNG whose header says nWidth x nHeight, with one pixel of data after it.
std::vector<std::uint8_t> PngHeaderOnly(int nWidth, int nHeight)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(1, 1, QImage::Format_RGB888).save(&buffer, "PNG");
    std::vector<std::uint8_t> bytes(png.begin(), png.end());
    const auto putU32 = [&](std::size_t nAt, std::uint32_t n) {
        for (int i = 0; i < 4; ++i) bytes[nAt + i] = static_cast<std::uint8_t>(n >> (24 - 8 * i));
    };
    putU32(16, static_cast<std::uint32_t>(nWidth));
    putU32(20, static_cast<std::uint32_t>(nHeight));
    putU32(29, static_cast<std::uint32_t>(crc32(0, &bytes[12], 17)));   // over IHDR's type and data
    return bytes;
}

// A picture larger than a document holds comes in from every reader when
// --resize shrinks it at once, as the core's resize of its pixels; without
// --resize, or past the larger limits, it is refused.
TEST_F(TovixExportTest, PicturesLargerThanADocumentComeInOnlyWhenResized)
{
    const auto resize = [](std::int32_t nWidth, std::int32_t nHeight, ResizeFit fit, ResizeFilter filter) {
        Geometry geometry;
        geometry.nWidth = nWidth;
        geometry.nHeight = nHeight;
        geometry.fit = fit;
        geometry.filter = filter;
        return geometry;
    };
    struct Shape {
        const char* pszArgs;
        Geometry geometry;
    };
    Shape shapes[] = {
        {"--resize 128x64", resize(128, 64, ResizeFit::Fit, ResizeFilter::Area)},
        {"--resize 50x20 --fill --filter lanczos", resize(50, 20, ResizeFit::Fill, ResizeFilter::Lanczos)},
        {"--rotate 90 --flip h --resize 30x30", resize(30, 30, ResizeFit::Fit, ResizeFilter::Area)},
    };
    shapes[2].geometry.rotation = Rotation::Clockwise90;
    shapes[2].geometry.bFlipHorizontal = true;
    for (const auto& [name, nWidth, nHeight] : {std::tuple{"wide", 5000, 40}, std::tuple{"high", 40, 5000}}) {
        // Smooth, so that the shrunk picture keeps where each part came from.
        const auto pixel = [&](int x, int y) {
            return testing_support::Rgb{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y * 255 / (nHeight - 1)),
                                        static_cast<std::uint8_t>(x * y / 300)};
        };
        RgbImage content(nWidth, nHeight);
        QImage image(nWidth, nHeight, QImage::Format_RGB888);
        for (int y = 0; y < nHeight; ++y) {
            for (int x = 0; x < nWidth; ++x) {
                const testing_support::Rgb rgb = pixel(x, y);
                std::copy_n(&rgb.r, 3, content.Pixel(x, y));
                image.setPixel(x, y, qRgb(rgb.r, rgb.g, rgb.b));
            }
        }
        const std::string stem = dir.File(name);
        WriteFile(stem + ".bmp", BuildBmp(nWidth, nHeight, pixel));
        ASSERT_TRUE(image.save(QString::fromStdString(stem + ".png")));
        ASSERT_TRUE(image.save(QString::fromStdString(stem + ".ppm")));
        ASSERT_TRUE(image.save(QString::fromStdString(stem + ".jpg")));
        for (const Shape& shape : shapes) {
            const RgbImage shrunk = Transformed(content, shape.geometry);
            WriteFile(dir.File("shrunk.bmp"), BuildBmp(shrunk.nWidth, shrunk.nHeight, [&](int x, int y) {
                          const auto [r, g, b] = shrunk.At(x, y);
                          return testing_support::Rgb{r, g, b};
                      }));
            for (const char* pszLayout : {"-f bytes", "-f bytes --frames", "-m 565"}) {
                const std::string expected = Run(std::string(pszLayout) + " -n pic -o - shrunk.bmp").strOut;
                for (const char* pszKind : {".png", ".ppm", ".bmp"}) {
                    const std::string args = std::string(pszLayout) + " -n pic -o - " + name + pszKind + " " + shape.pszArgs;
                    const RunResult result = Run(args);
                    EXPECT_EQ(result.nExit, 0) << args << result.strErr;
                    EXPECT_EQ(result.strOut, expected) << args;
                }
            }
        }
        const RunResult jpeg = Run(std::string("-f bytes -o - ") + name + ".jpg --resize 100x100");
        EXPECT_EQ(jpeg.nExit, 0) << jpeg.strErr;
        EXPECT_TRUE(jpeg.strOut.starts_with(nWidth > nHeight ? "/* 100x1 " : "/* 1x100 ")) << jpeg.strOut.substr(0, 20);
    }

    // Every frame of an animation comes in shrunk, as the same frames made small.
    const std::string frames = " xc:red xc:blue +dither -colors 2 -loop 0 ";
    ASSERT_EQ(std::system(("convert -size 5000x40" + frames + dir.File("anim.gif")).c_str()), 0);
    ASSERT_EQ(std::system(("convert -size 128x1" + frames + dir.File("small.gif")).c_str()), 0);
    const RunResult animation = Run("-f bytes --frames -n pic -o - anim.gif --resize 128x64");
    EXPECT_EQ(animation.nExit, 0) << animation.strErr;
    EXPECT_EQ(animation.strOut, Run("-f bytes --frames -n pic -o - small.gif").strOut);

    QImage(16385, 1, QImage::Format_RGB888).save(QString::fromStdString(dir.File("over.png")));
    QImage(16385, 1, QImage::Format_RGB888).save(QString::fromStdString(dir.File("over.ppm")));
    QImage(1, 16385, QImage::Format_RGB888).save(QString::fromStdString(dir.File("over.jpg")));
    WriteFile(dir.File("over.bmp"), BuildBmp(1, 16385, PatternPixel));
    WriteFile(dir.File("many.png"), PngHeaderOnly(16384, 4097));
    std::vector<std::uint8_t> manyBmp = BuildBmp(1, 1, PatternPixel);
    bmp::WriteU32(manyBmp.data() + bmp::kOffWidth, 4097);
    bmp::WriteU32(manyBmp.data() + bmp::kOffHeight, 16384);
    WriteFile(dir.File("many.bmp"), manyBmp);
    const std::tuple<std::string, std::string> refusals[] = {
        {"wide.png", msg::kTooWide},       {"high.png", msg::kTooHigh},  {"wide.jpg", msg::kTooWide},
        {"high.ppm", msg::kTooHigh},       {"wide.bmp", msg::kTooWide},  {"high.bmp -f bytes --frames", msg::kTooHigh},
        {"over.png --resize 8x8", msg::kTooWideToResize},                {"over.ppm --resize 8x8", msg::kTooWideToResize},
        {"over.jpg --resize 8x8", msg::kTooHighToResize},                {"over.bmp --resize 8x8", msg::kTooHighToResize},
        {"many.png --resize 8x8 -f bytes --frames", msg::kTooManyPixelsToResize},
        {"many.bmp --resize 8x8", msg::kTooManyPixelsToResize},
    };
    for (const auto& [args, text] : refusals) {
        const RunResult result = Run("-o - " + args);
        EXPECT_EQ(result.nExit, 1) << args;
        EXPECT_EQ(result.strErr, "tovix-export: " + args.substr(0, args.find(' ')) + ": " + text + "\n") << args;
    }
    language = "C";
    EXPECT_EQ(Run("-o - many.png --resize 8x8").strErr,
              "tovix-export: many.png: the picture has more than 67108864 pixels (64 Mpixels, such as 8192 x 8192), "
              "the most --resize takes; shrink it first\n");
    EXPECT_EQ(Run("-o - wide.png").strErr, "tovix-export: wide.png: the picture is wider than 4096 pixels, the largest "
                                           "side a picture may have; give --resize WxH to shrink it as it comes in\n");
    EXPECT_EQ(Run("-o - high.bmp").strErr, "tovix-export: high.bmp: the picture is higher than 4096 pixels, the largest "
                                           "side a picture may have; give --resize WxH to shrink it as it comes in\n");
}

// Each frame of an animation, laid on the background and reduced, with the
// table of frames and delays, as a C compiler sees them; a still picture is
// one frame, which --decode reads as it reads the still export.
TEST_F(TovixExportTest, FramesBecomeOneArrayEachWithATableOfFramesAndDelays)
{
    std::filesystem::copy_file(std::string(TOVIX_TESTDATA_DIR) + "/animation/disposals.gif", dir.File("anim.gif"));
    // The GIF's frames (red, blue, transparent, green, yellow) on a grey background.
    const std::string expected = "{255,0,0, 255,0,0, 255,0,0, 255,0,0},"
                                 "{255,0,0, 0,0,255, 255,0,0, 255,0,0},"
                                 "{255,0,0, 9,9,9, 0,255,0, 255,0,0},"
                                 "{255,0,0, 9,9,9, 255,0,0, 255,255,0},"
                                 "{255,0,0, 0,0,255, 255,0,0, 255,255,0}";
    const RunResult result = Run("-f bytes -m 24 --frames --background 9,9,9 -n img -o img.c anim.gif");
    ASSERT_EQ(result.nExit, 0) << result.strErr;
    const std::string check = "#include <string.h>\n#include \"img.c\"\n"
                              "static const unsigned char expected[5][12] = {" + expected + "};\n"
                              "static const unsigned delays[5] = {100, 200, 300, 400, 500};\n"
                              "int main(void)\n{\n    int i;\n"
                              "    if (img_FRAME_COUNT != 5 || img_WIDTH != 4 || img_HEIGHT != 1) return 1;\n"
                              "    for (i = 0; i < 5; ++i)\n"
                              "        if (memcmp(img_frames[i], expected[i], 12) != 0 || img_delays[i] != delays[i]) return 2 + i;\n"
                              "    return img_frames[4] != img_4;\n}\n";
    WriteFile(dir.File("check.c"), std::vector<std::uint8_t>(check.begin(), check.end()));
    EXPECT_EQ(std::system(("cd " + dir.Path() + " && cc -std=c99 -Wall -Werror check.c -o check && ./check").c_str()), 0);

    ASSERT_EQ(Run("-f bytes -m 565 --frames -o frames.c pic.bmp").nExit, 0);
    ASSERT_EQ(Run("-f bytes -m 565 -o still.c pic.bmp").nExit, 0);
    const std::string frames = Text("frames.c"), still = Text("still.c");
    const std::string stillValues = still.substr(still.find("] = {"), still.find("};") - still.find("] = {"));
    EXPECT_NE(frames.find(stillValues), std::string::npos);
    EXPECT_NE(frames.find("#define pic_FRAME_COUNT 1\n"), std::string::npos);
    ASSERT_EQ(Run("--decode frames.c -o frames.bmp").nExit, 0);
    ASSERT_EQ(Run("--decode still.c -o still.bmp").nExit, 0);
    EXPECT_EQ(ReadFile(dir.File("frames.bmp")), ReadFile(dir.File("still.bmp")));
}

TEST_F(TovixExportTest, FramesWhereTheyDoNotApplyOrOfABrokenAnimation)
{
    ASSERT_EQ(Run("pic.bmp -m 16 --save-doc m16.tvx").nExit, 0);
    std::vector<std::uint8_t> gif = ReadFile(std::string(TOVIX_TESTDATA_DIR) + "/animation/disposals.gif");
    gif.resize(gif.size() - 20);
    WriteFile(dir.File("cut.gif"), gif);
    std::filesystem::copy_file(std::string(TOVIX_TESTDATA_DIR) + "/animation/too-many-frames.png", dir.File("many.png"));
    language = "C";
    const struct {
        const char* args;
        int nExit;
        const char* error;
    } cases[] = {
        {"pic.bmp -f 1 --frames", 2, "--frames applies only to -f bytes"},
        {"pic.bmp -f bin --frames", 2, "--frames does not apply to -f bin"},
        {"pic.bmp --for u8g2 --frames", 2, "--frames does not apply to --for u8g2"},
        {"pic.bmp -f bytes --frames --header p.h", 2, "--frames cannot go with --header"},
        {"pic.bmp -f bytes --frames -o p.c --save-doc p.tvx", 2, "--frames cannot go with --save-doc"},
        {"m16.tvx -f bytes --frames", 2, "--frames is for pictures, not for a .tvx document"},
        {"pic.bmp -f bytes -m index4 --frames", 2, "--frames does not apply to colour mode index4"},
        {"--decode p.c --frames", 2, "--frames cannot go with --decode"},
        {"cut.gif -f bytes --frames", 1, "cut.gif: the file is cut short\n"},
        {"many.png -f bytes --frames", 1, "many.png: the animation's frames need more than 256 MiB"},
    };
    for (const auto& c : cases) {
        const RunResult result = Run(c.args);
        EXPECT_EQ(result.nExit, c.nExit) << c.args;
        EXPECT_NE(result.strErr.find(c.error), std::string::npos) << c.args << "\n" << result.strErr;
    }
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"cut.gif", "m16.tvx", "many.png", "pic.bmp"}));
}

} // namespace
