// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/bench_data.h"

#include "core/bmp_import.h"
#include "core/document_file.h"
#include "core/pixel_format.h"
#include "core/tovix_doc.h"
#include "core/user_dialogs.h"
#include "testkit/bmp_builder.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>

namespace bench {

namespace {

std::string g_folder;
std::string g_large, g_store, g_pixels, g_document;

} // namespace

UserDialogs& Dialogs()
{
    static SilentDialogs dialogs;
    return dialogs;
}

std::string ModeName(ColorMode mode)
{
    return ModeWord(mode);
}

void CreateData()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tovix-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    g_folder = pattern;

    g_large = ScratchPath("large.bmp");
    testing_support::WriteFile(g_large, testing_support::BuildBmp(4096, 4096, testing_support::PatternPixel));

    g_store = ScratchPath("store.bmp");
    const std::vector<std::uint8_t> store = testing_support::BuildBmp(2048, 1024, testing_support::PatternPixel);
    testing_support::WriteFile(g_store, store);
    g_pixels = ScratchPath("store.raw");
    testing_support::WriteFile(g_pixels, std::vector<std::uint8_t>(store.begin() + 54, store.end()));

    auto doc = std::make_unique<CTOVIXDoc>();
    g_document = ScratchPath("store.tvx");
    if (!ImportBmp(*doc, g_store, Dialogs()) || !WriteDocumentFile(*doc, g_document, Dialogs()))
        throw std::runtime_error("cannot make the benchmark document");
}

void RemoveData()
{
    std::error_code ec;
    if (!g_folder.empty()) std::filesystem::remove_all(g_folder, ec);
}

const std::string& LargeBmpPath() { return g_large; }
const std::string& StoreBmpPath() { return g_store; }
const std::string& StorePixelsPath() { return g_pixels; }
const std::string& DocumentPath() { return g_document; }

std::string ScratchPath(const std::string& name)
{
    return g_folder + "/" + name;
}

} // namespace bench
