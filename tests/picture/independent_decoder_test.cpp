// SPDX-License-Identifier: GPL-3.0-or-later
// The picture import against an independent tool: for every lossless kind,
// the export of a picture equals byte for byte the export of the same
// picture written as a 24-bit BMP file, flattened on white, by ImageMagick.
#include "core/bmp_import.h"
#include "core/file_ptr.h"
#include "core/tovix_doc.h"
#include "export/export_format.h"
#include "picture/picture_import.h"
#include "testkit/bmp_builder.h"
#include "testkit/recording_dialogs.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

using namespace testing_support;

namespace {

const std::string kSuite = std::string(TOVIX_TESTDATA_DIR) + "/bmpsuite";

bool Convert(const std::string& args)
{
    return std::system(("convert " + args + " 2>/dev/null").c_str()) == 0;
}

// The full-colour FORMAT_2 text of a file read by the given import; empty
// when the import refused it.
template <typename Import>
std::string Export(const std::string& path, Import import)
{
    RecordingDialogs dialogs;
    auto doc = std::make_unique<CTOVIXDoc>();
    if (!import(*doc, path, dialogs) || !doc->CopyBitmapToPixels()) return {};
    char* pText = nullptr;
    std::size_t nSize = 0;
    FilePtr file(open_memstream(&pText, &nSize));
    WriteExportFile(file.get(), FindOutputFormat(ExportFormat::Format2), {doc->Captured(), "x", {}});
    file.reset();
    std::string text(pText, nSize);
    std::free(pText);
    return text;
}

std::string ExportPicture(const std::string& path)
{
    return Export(path, [](CTOVIXDoc& doc, const std::string& p, UserDialogs& d) { return ImportPicture(doc, p, d); });
}

std::string ExportBmp(const std::string& path)
{
    return Export(path, [](CTOVIXDoc& doc, const std::string& p, UserDialogs& d) { return ImportBmp(doc, p, d); });
}

std::string ReferencePath(const std::string& path, const std::string& folder)
{
    return folder + "/" + std::filesystem::path(path).stem().string() + ".bmp";
}

// Has the independent tool write, for each file, its 24-bit BMP flattened on
// white into the folder, named after the file's stem: one run for all files,
// as starting the tool costs more than converting a small picture. A file the
// tool reports an error on gets no BMP, as it would converted alone.
void WriteReferences(const std::vector<std::string>& paths, const std::string& folder)
{
    std::filesystem::create_directories(folder);
    const std::string errors = folder + "/errors.txt";
    std::string command = "mogrify -path '" + folder + "' -background white -flatten -strip -format bmp -define bmp:format=bmp3";
    for (const std::string& path : paths) command += " '" + path + "'";
    (void)std::system((command + " 2>'" + errors + "'").c_str());
    const std::vector<std::uint8_t> bytes = ReadFile(errors);
    const std::string text(bytes.begin(), bytes.end());
    for (const std::string& path : paths)
        if (text.find("`" + path + "'") != std::string::npos) std::filesystem::remove(ReferencePath(path, folder));
}

// What the BMP import makes of the BMP that WriteReferences wrote for the file.
std::string ExportReference(const std::string& path, const std::string& folder)
{
    const std::string reference = ReferencePath(path, folder);
    if (!std::filesystem::exists(reference)) return {};
    return ExportBmp(reference);
}

TEST(IndependentDecoder, EveryLosslessKindExportsAsTheToolsBmpOfIt)
{
    // Each kind made by the tool from its built-in 70 x 46 picture; the stems
    // differ, as the references are named after them.
    const struct {
        const char* file;
        const char* make;
    } kinds[] = {
        {"gray1.png", "-colorspace gray -threshold 50% -define png:color-type=0 -define png:bit-depth=1"},
        {"gray2.png", "-colorspace gray -depth 2 -define png:color-type=0 -define png:bit-depth=2"},
        {"gray4.png", "-colorspace gray -depth 4 -define png:color-type=0 -define png:bit-depth=4"},
        {"gray8.png", "-colorspace gray -define png:color-type=0 -define png:bit-depth=8"},
        {"gray16.png", "-colorspace gray -depth 16 -evaluate add 100 -define png:color-type=0 -define png:bit-depth=16"},
        {"rgb8.png", "-define png:color-type=2 -define png:bit-depth=8"},
        {"rgb16.png", "-depth 16 -evaluate add 100 -define png:color-type=2 -define png:bit-depth=16"},
        {"palette1.png", "-colors 2 -define png:color-type=3 -define png:bit-depth=1"},
        {"palette2.png", "-colors 4 -define png:color-type=3 -define png:bit-depth=2"},
        {"palette4.png", "-colors 16 -define png:color-type=3 -define png:bit-depth=4"},
        {"palette8.png", "-colors 200 -define png:color-type=3 -define png:bit-depth=8"},
        {"palette-clear.png", "-colors 16 -fill none -draw 'rectangle 0,0 30,20' -define png:color-type=3"},
        {"gray-alpha8.png", "-colorspace gray -alpha set -channel A -fx i/w +channel -define png:color-type=4"},
        {"gray-alpha16.png", "-colorspace gray -alpha set -channel A -fx i/w +channel -depth 16 "
                             "-define png:color-type=4 -define png:bit-depth=16"},
        {"rgba8.png", "-alpha set -channel A -fx j/h +channel -define png:color-type=6"},
        {"rgba16.png", "-alpha set -channel A -fx j/h +channel -depth 16 -define png:color-type=6 -define png:bit-depth=16"},
        {"clear-black.png", "-alpha set -channel A -fx 'i<35?0:1' +channel -channel RGB -fx 'i<35?0:u' +channel"},
        {"plain.gif", "-colors 64"},
        {"clear.gif", "-colors 32 -fill none -draw 'rectangle 10,10 40,30'"},
        {"ppm.ppm", ""},
        {"pgm.pgm", "-colorspace gray"},
        {"pbm.pbm", "-colorspace gray -threshold 50%"},
        {"pal8.bmp", "-colors 200 -type palette BMP3:"},
        {"pal4.bmp", "-colors 16 -type palette BMP3:"},
        {"pal1.bmp", "-colors 2 -type palette BMP3:"},
        {"rgba32.bmp", "-alpha set -channel A -fx j/h +channel BMP:"},
    };
    TempDir dir;
    std::vector<std::string> paths;
    for (const auto& kind : kinds) {
        const std::string path = dir.File(kind.file);
        // A make ending in a format prefix ("BMP3:") writes the path in that
        // format. Palettes come without dithering, whose cache costs the
        // tool most of its run.
        const std::string make(kind.make);
        ASSERT_TRUE(Convert("rose: +dither " + make + (make.ends_with(":") ? "" : " ") + path)) << kind.file;
        paths.push_back(path);
    }
    WriteReferences(paths, dir.File("references"));
    for (const std::string& path : paths) {
        const std::string ours = ExportPicture(path);
        ASSERT_FALSE(ours.empty()) << path << " refused";
        EXPECT_EQ(ours, ExportReference(path, dir.File("references"))) << path;
    }
}

TEST(IndependentDecoder, AnimatedPictureGivesItsFirstFrame)
{
    TempDir dir;
    const std::string animated = dir.File("frames.gif");
    // Quantized beforehand without dithering: one colour a frame, and the GIF
    // writer's own dithering would cost the tool most of its run.
    ASSERT_TRUE(Convert("-size 5x3 xc:red xc:blue xc:lime +dither -colors 2 -loop 0 " + animated));
    ASSERT_TRUE(Convert("-size 5x3 xc:red BMP3:" + dir.File("red.bmp")));
    EXPECT_EQ(ExportPicture(animated), ExportBmp(dir.File("red.bmp")));
}

// Files the two decoders read differently, each for a reason of its own;
// the broken files of b/ are salvaged differently and are not compared.
const std::map<std::string, const char*> kReadDifferently = {
    {"g/rgb16.bmp", "channels under 8 bits: Qt shifts (31 gives 248), the tool scales (31 gives 255)"},
    {"g/rgb16-565.bmp", "the same"}, {"g/rgb16-565pal.bmp", "the same"}, {"g/rgb16bfdef.bmp", "the same"},
    {"q/rgb16-3103.bmp", "the same"},  {"q/rgb16faketrns.bmp", "the same"}, {"q/rgba16-1924.bmp", "the same"},
    {"q/rgba16-5551.bmp", "the same"}, {"q/rgb32-111110.bmp", "the same"},  {"q/rgb32-7187.bmp", "the same"},
    {"q/rgba32-1010102.bmp", "the same"}, {"q/rgba32-61754.bmp", "the same"}, {"q/rgba32-81284.bmp", "the same"},
    {"q/rgb32fakealpha.bmp", "Qt takes the unused fourth byte for alpha"},
    {"q/pal4rletrns.bmp", "pixels that the run-length data skips are filled differently"},
    {"q/pal8rletrns.bmp", "the same"},
    {"q/pal8os2v2.bmp", "the two read this OS/2 header differently"}, {"q/pal8os2sp.bmp", "the same"},
};

TEST(IndependentDecoder, EverySuiteBmpBothReadGivesTheSamePixels)
{
    TempDir dir;
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kSuite)) {
        const std::string name = std::filesystem::relative(entry.path(), kSuite).string();
        if (entry.path().extension() != ".bmp" || name.starts_with("b/") || kReadDifferently.contains(name)) continue;
        paths.push_back(entry.path().string());
    }
    WriteReferences(paths, dir.Path());
    int nCompared = 0;
    for (const std::string& path : paths) {
        const std::string ours = ExportPicture(path);
        if (ours.empty()) continue;
        const std::string reference = ExportReference(path, dir.Path());
        if (reference.empty()) continue;
        ++nCompared;
        EXPECT_EQ(ours, reference) << path;
    }
    EXPECT_GE(nCompared, 30);
}

} // namespace
