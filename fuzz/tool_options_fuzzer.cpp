// SPDX-License-Identifier: GPL-3.0-or-later
// tovix-export as a user runs it: the input chooses a small picture (PNG with
// alpha, the same as a BMP, as a document, beside an animation and a
// palette) and one or two runs of the tool, each a command line of options
// from the parser's own table with values from the tool's lists (formats,
// modes, targets) and the words each option takes, or a few bytes of its own.
// Every run ends in a written file or a clean refusal: exit 0, 1 or 2, a
// usage error leaves the folder as it was, and no temporary file is left.
#include "cli/export_options.h"
#include "cli/tool_run.h"
#include "core/picture_geometry.h"
#include "core/pixel_format.h"
#include "core/tovix_doc.h"
#include "fuzz/fuzz_support.h"
#include "picture/picture_writer.h"
#include "testkit/bmp_builder.h"
#include "testkit/doc_builder.h"
#include "testkit/recording_dialogs.h"

#include <QtGlobal>

#include <sanitizer/common_interface_defs.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The input's bytes from the front, zeros once they run out.
class ByteReader {
public:
    ByteReader(const std::uint8_t* pData, std::size_t nSize) : m_pData(pData), m_nLeft(nSize) {}
    std::uint8_t Next()
    {
        if (m_nLeft == 0) return 0;
        --m_nLeft;
        return *m_pData++;
    }
    bool Empty() const { return m_nLeft == 0; }

private:
    const std::uint8_t* m_pData;
    std::size_t m_nLeft;
};

// The INPUTs and the other files a run may name, in the runs' folder;
// outputs are named by the paths among the option values.
const char* const kInputs[] = {"pic.png", "pic.bmp", "doc.tvx", "anim.gif", "-", "out.tvx", "out.c", "missing.png"};
const char* const kPaths[] = {"out.c", "out.h", "out.tvx", "out.bin", "out.png", "out.bmp", "-",
                              "pic.png", "pal.txt", "none/out.c", "./out.c"};

std::vector<std::string> Split(const std::string& list)
{
    std::vector<std::string> words;
    std::size_t nStart = 0;
    for (std::size_t nBar; (nBar = list.find('|', nStart)) != std::string::npos; nStart = nBar + 1)
        words.push_back(list.substr(nStart, nBar - nStart));
    words.push_back(list.substr(nStart));
    return words;
}

// The values worth trying for each option that takes one, by its long name.
std::map<std::string, std::vector<std::string>> ValueWords()
{
    std::vector<std::string> modes;
    for (const PixelFormat& format : PixelFormats()) {
        modes.push_back(format.pszName);
        if (!format.bNamedOnly) modes.push_back(std::to_string(format.Number()));
    }
    const std::vector<std::string> paths(std::begin(kPaths), std::end(kPaths));
    return {
        {"format", Split(OutputFormatNames())},
        {"mode", modes},
        {"for", Split(TargetNames())},
        {"threshold", {"0", "128", "255", "1,2,3", "100,150,200", "255,255,255"}},
        {"name", {"logo", "return", "x1", "a b", "\xe6\x97\xa5"}},
        {"output", paths}, {"save-doc", paths}, {"header", paths}, {"decode", paths}, {"palette", paths},
        {"background", {"0,0,0", "255,0,255", "9,9,9"}},
        {"rgb-order", {"rgb", "bgr"}},
        {"byte-order", {"little", "big"}},
        {"pack", {"rows", "pages"}},
        {"bit-order", {"msb", "lsb"}},
        {"palette-format", {"888", "565"}},
        {"dither", {"none", "floyd-steinberg", "atkinson", "ordered"}},
        {"mono", {"channels", "luminance"}},
        {"attribute", {"PROGMEM", "__attribute__((aligned(4)))"}},
        {"resize", {"1x1", "8x8", "32x32", "5x40", "48x3"}},
        {"filter", {"area", "lanczos", "nearest"}},
        {"rotate", {"90", "180", "270"}},
        {"flip", {"h", "v"}},
    };
}

bool TakesPath(const std::string& option)
{
    return option == "output" || option == "save-doc" || option == "header" || option == "decode" || option == "palette";
}

// A path in the runs' folder, which the fuzzer's current folder is not:
// libFuzzer writes its artifacts relative to that. "-" stays itself.
std::string InFolder(const std::string& folder, std::string name)
{
    if (name == "-") return name;
    // A name of the input's own bytes stays inside the folder.
    if (name.find("../") != std::string::npos || name.starts_with('/')) std::replace(name.begin(), name.end(), '/', '_');
    return folder + "/" + name;
}

// An option's value: a word for it, or up to 5 bytes of the input, which
// keeps a --resize within 999x9 and a run quick.
std::string ValueFor(const std::string& option, const std::string& folder, ByteReader& in)
{
    static const std::map<std::string, std::vector<std::string>> words = ValueWords();
    const std::uint8_t nChoice = in.Next();
    const auto found = words.find(option);
    std::string value;
    if (nChoice < 224 && found != words.end()) {
        value = found->second[nChoice % found->second.size()];
    } else {
        for (int n = nChoice % 6; n > 0; --n) value.push_back(static_cast<char>(in.Next()));
    }
    return TakesPath(option) ? InFolder(folder, value) : value;
}

// One command line: options, their values and INPUTs, in the order the input gives.
std::vector<std::string> CommandLineOf(const std::string& folder, ByteReader& in)
{
    const std::span<const option> options = ExportOptionTable();
    std::vector<std::string> args{"tovix-export"};
    for (int nArgs = in.Next() % 16; nArgs > 0; --nArgs) {
        const std::uint8_t nPick = in.Next();
        if (nPick & 1) {
            args.push_back(InFolder(folder, kInputs[(nPick >> 1) % std::size(kInputs)]));
            continue;
        }
        const option& chosen = options[(nPick >> 1) % options.size()];
        args.push_back(std::string("--") + chosen.name);
        if (chosen.has_arg == required_argument) args.push_back(ValueFor(chosen.name, folder, in));
    }
    return args;
}

struct Rgba {
    std::uint8_t r, g, b, a;
};

// A picture of up to 12 x 12 pixels, each one of four colours with alpha:
// width, height, the four colours, then two bits a pixel.
struct SmallPicture {
    int nWidth = 0, nHeight = 0;
    std::vector<Rgba> pixels;
};

SmallPicture PictureOf(ByteReader& in)
{
    SmallPicture picture;
    picture.nWidth = 1 + in.Next() % 12;
    picture.nHeight = 1 + in.Next() % 12;
    Rgba colours[4];
    for (Rgba& colour : colours) colour = {in.Next(), in.Next(), in.Next(), in.Next()};
    std::uint8_t nBits = 0;
    for (int i = 0; i < picture.nWidth * picture.nHeight; ++i) {
        if (i % 4 == 0) nBits = in.Next();
        picture.pixels.push_back(colours[(nBits >> (2 * (i % 4))) & 3]);
    }
    return picture;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    Require(file != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(), "write an input");
    Require(std::fclose(file) == 0, "close an input");
}

// Writes every INPUT the command lines may name into the folder.
void WriteInputs(const std::string& folder, const SmallPicture& picture, ColorMode documentMode, const std::string& animation)
{
    RgbImage rgb(picture.nWidth, picture.nHeight);
    std::vector<std::uint8_t> alpha;
    for (int i = 0; i < picture.nWidth * picture.nHeight; ++i) {
        const Rgba& p = picture.pixels[static_cast<std::size_t>(i)];
        std::uint8_t* out = rgb.Pixel(i % picture.nWidth, i / picture.nWidth);
        // The PNG keeps a transparent pixel's colour as 0, as the readers give it.
        out[0] = p.a == 0 ? 0 : p.r;
        out[1] = p.a == 0 ? 0 : p.g;
        out[2] = p.a == 0 ? 0 : p.b;
        alpha.push_back(p.a);
    }
    CDibImage image;
    Require(StoreBitmap(image, rgb), "a bitmap of the picture");
    std::FILE* png = std::fopen((folder + "/pic.png").c_str(), "wb");
    Require(png != nullptr && WritePng(png, image, alpha) && std::fclose(png) == 0, "write pic.png");

    const auto colourAt = [&](int x, int y) {
        const Rgba& p = picture.pixels[static_cast<std::size_t>(y * picture.nWidth + x)];
        return testing_support::Rgb{p.r, p.g, p.b};
    };
    testing_support::WriteFile(folder + "/pic.bmp", testing_support::BuildBmp(picture.nWidth, picture.nHeight, colourAt));
    const auto packed = [&](int i) {
        const Rgba& p = picture.pixels[static_cast<std::size_t>(i)];
        return std::uint32_t{p.b} << 16 | std::uint32_t{p.g} << 8 | p.r;
    };
    const std::unique_ptr<CTOVIXDoc> doc = testing_support::MakeDocument(picture.nWidth, picture.nHeight, documentMode, packed);
    testing_support::RecordingDialogs dialogs;
    Require(doc->OnSaveDocument(folder + "/doc.tvx", dialogs), "write doc.tvx");
    WriteBytes(folder + "/anim.gif", animation);
    WriteBytes(folder + "/pal.txt", "#000000\n#ff0000\n00ff00\n; blue\n0000FF\n");
}

// Every file and folder under the folder, with its inode: a file written
// anew, even with the same bytes, lands as a new inode.
std::map<std::string, ino_t> FolderNames(const std::string& folder)
{
    std::map<std::string, ino_t> names;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        struct stat info {};
        Require(lstat(entry.path().c_str(), &info) == 0, "lstat");
        names[entry.path().lexically_relative(folder).string()] = info.st_ino;
    }
    return names;
}

void EmptyFolder(const std::string& folder)
{
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
}

std::string ReadBytes(const std::string& path)
{
    std::string bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char chunk[4096];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) bytes.append(chunk, n);
        std::fclose(file);
    }
    return bytes;
}

// Where the runs work, and the standard streams they are given.
struct Stage {
    std::string folder;     // the runs' files, emptied for every input
    std::string outPath;    // what a run writes to standard output lands here
    int nNull = -1;         // /dev/null, for standard error during a run
    int nStderr = -1;       // the fuzzer's own standard error
    std::string animation;  // an animated GIF's bytes
};

Stage& TheStage()
{
    static Stage stage;
    return stage;
}

// Runs the tool on the arguments with standard input reading pic.png and
// standard output going to a file; the exit status and how many bytes
// standard output took.
std::pair<int, std::size_t> RunQuietly(std::vector<std::string> args)
{
    Stage& stage = TheStage();
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    Require(std::freopen((stage.folder + "/pic.png").c_str(), "rb", stdin) != nullptr, "standard input");
    Require(std::freopen(stage.outPath.c_str(), "wb", stdout) != nullptr, "standard output");
    std::fflush(stderr);
    dup2(stage.nNull, STDERR_FILENO);
    // A relative name, such as a document named "-", lands in the stage and
    // not in the folder libFuzzer writes its findings to.
    const int nHome = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    Require(nHome >= 0 && chdir(stage.folder.c_str()) == 0, "the stage as the working folder");
    const int nExit = RunTool(static_cast<int>(args.size()), argv.data());
    Require(fchdir(nHome) == 0, "back to the working folder");
    close(nHome);
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(stage.nStderr, STDERR_FILENO);
    return {nExit, ReadBytes(stage.outPath).size()};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    Stage& stage = TheStage();
    // Runs write through a temporary file and a sync: in memory they cost nothing.
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "tovix-tool-fuzz-XXXXXX").string();
    Require(mkdtemp(pattern.data()) != nullptr, "mkdtemp");
    stage.outPath = pattern + ".out";
    stage.folder = pattern + "/work";
    fs::create_directory(stage.folder);
    stage.animation = ReadBytes(TOVIX_FUZZ_ANIMATION);
    Require(!stage.animation.empty(), "the animation's bytes");
    stage.nNull = open("/dev/null", O_WRONLY | O_CLOEXEC);
    stage.nStderr = dup(STDERR_FILENO);
    Require(stage.nNull >= 0 && stage.nStderr >= 0, "the standard error's descriptors");
    // The tool's messages go nowhere; a sanitizer's report still reaches the log.
    __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<std::intptr_t>(stage.nStderr)));
    std::atexit([] {
        Stage& stage = TheStage();
        fs::remove_all(fs::path(stage.folder).parent_path());
        fs::remove(stage.outPath);
    });
    return 0;
}

// An abort inside the tool is reported with its stack like any other fault.
extern "C" const char* __asan_default_options()
{
    return "handle_abort=1";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    ByteReader in(pData, nSize);
    const SmallPicture picture = PictureOf(in);
    std::vector<ColorMode> documentModes;
    for (const PixelFormat& format : PixelFormats())
        if (!format.bNamedOnly) documentModes.push_back(format.mode);
    const ColorMode documentMode = documentModes[in.Next() % documentModes.size()];
    const Stage& stage = TheStage();
    EmptyFolder(stage.folder);
    WriteInputs(stage.folder, picture, documentMode, stage.animation);

    // A second run may read what the first wrote: a document, an export to decode.
    for (int nRuns = 1 + in.Next() % 2; nRuns > 0 && !in.Empty(); --nRuns) {
        const std::vector<std::string> args = CommandLineOf(stage.folder, in);
        const std::map<std::string, ino_t> before = FolderNames(stage.folder);
        const auto [nExit, nStandardOutput] = RunQuietly(args);
        const std::map<std::string, ino_t> after = FolderNames(stage.folder);
        Require(nExit == 0 || nExit == 1 || nExit == 2, "exit 0, 1 or 2");
        if (nExit == 2) Require(after == before, "a usage error writes nothing");
        if (nExit == 0) Require(after != before || nStandardOutput > 0, "a run that succeeds writes");
        for (const auto& [name, inode] : after)
            Require(fs::path(name).filename().string().rfind(".tovix-", 0) != 0, "no temporary file left");
    }
    return 0;
}
