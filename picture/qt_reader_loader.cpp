// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's readers for a program that links no Qt: a module loaded on first
// use from beside the program (a build) or from the installed library folder.
#include "picture/qt_picture.h"

#include <dlfcn.h>

#include <filesystem>

namespace {

using ReadFunction = PictureFault (*)(const std::uint8_t*, std::size_t, const char*, const PictureLimits*, QtPicture*);

ReadFunction LoadReader()
{
    std::error_code error;
    const std::filesystem::path programDir = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    for (const std::filesystem::path& dir : {programDir, programDir / TOVIX_QT_READER_DIR_FROM_BIN}) {
        if (void* pModule = dlopen((dir / "tovix-qt-reader.so").c_str(), RTLD_NOW | RTLD_LOCAL))
            return reinterpret_cast<ReadFunction>(dlsym(pModule, "TovixReadWithQt"));
    }
    return nullptr;
}

} // namespace

PictureFault ReadWithQt(std::span<const std::uint8_t> file, const std::string& formatHint, const PictureLimits& limits,
                        QtPicture& picture)
{
    static const ReadFunction read = LoadReader();
    // Without the module no reader knows the file, as with Qt lacking a plugin.
    if (!read) return PictureFault::NotPicture;
    return read(file.data(), file.size(), formatHint.c_str(), &limits, &picture);
}
