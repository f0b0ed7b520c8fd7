// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/export_run.h"

#include "cli/console_dialogs.h"
#include "cli/output_file.h"
#include "cli/output_plan.h"
#include "cli/tool_language.h"
#include "core/file_ptr.h"
#include "core/messages.h"
#include "core/picture_limits.h"
#include "core/pixel_format.h"
#include "core/bmp_import.h"
#include "core/document_file.h"
#include "core/tovix_doc.h"
#include "export/export_name.h"
#include "export/export_plan.h"
#include "picture/picture_import.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <deque>
#include <filesystem>
#include <memory>
#include <new>
#include <variant>

namespace {

constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

// The largest picture an INPUT may be: one that --resize brings within a
// document's limits before anything else sees it may be larger.
const PictureLimits& InputLimits(const ExportRequest& request)
{
    return request.settings.geometry.Resizes() ? kResizeInputLimits : kDocumentLimits;
}

// Whether INPUT is shaped by the command line as it is read: a still
// picture, which then takes no more memory than its pixels and the shaped ones.
bool ShapedOnArrival(const ExportRequest& request, const std::string& input)
{
    return !request.settings.geometry.DoesNothing() && !request.settings.layout.bFrames && KindOfInput(request, input) != InputKind::Document;
}

// Reads INPUT into the document, shaped as it comes in when bShaped; a
// picture's alpha goes to pAlpha, when given, instead of onto the background.
bool ReadInput(const ExportRequest& request, const std::string& input, bool bShaped, CTOVIXDoc& doc,
               UserDialogs& dialogs, std::vector<std::uint8_t>* pAlpha)
{
    switch (KindOfInput(request, input)) {
    case InputKind::Document: return ReadDocumentFile(doc, input, dialogs);
    case InputKind::Bmp:
        return bShaped ? ImportShapedBmp(doc, input, dialogs, request.settings.geometry, InputLimits(request))
                       : ImportBmp(doc, input, dialogs, InputLimits(request));
    case InputKind::Picture:
        return bShaped ? ImportShapedPicture(doc, input, dialogs, BackgroundOf(request.settings), request.settings.geometry, InputLimits(request), pAlpha)
                       : ImportPicture(doc, input, dialogs, BackgroundOf(request.settings), pAlpha, InputLimits(request));
    }
    return false;
}

bool KeepsAlpha(const ExportRequest& request)
{
    const PixelFormat* format = request.settings.mode ? FindPixelFormat(*request.settings.mode) : nullptr;
    return format != nullptr && format->KeepsAlpha();
}

std::string DefaultExportName(const std::string& input)
{
    if (input == kStandardInput) return "picture";
    return MakeExportName(std::filesystem::path(input).stem().string());
}

// Standard input as a file the readers can open. The file has no name
// from the start, so that nothing is left behind however the tool ends, and
// it takes no more than the largest picture, whatever is piped in.
class StandardInputFile {
public:
    StandardInputFile()
    {
        const char* tmp = std::getenv("TMPDIR");
        std::string name = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/tovix-export-XXXXXX";
        m_fd = mkstemp(name.data());
        if (m_fd < 0) return;
        unlink(name.c_str());
        char buffer[1 << 16];
        std::int64_t nKept = 0;
        for (std::size_t n; !m_bFailed && (n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0; nKept += n) {
            m_bTooLarge = nKept + static_cast<std::int64_t>(n) > kLargestPictureFileBytes;
            m_bFailed = m_bTooLarge || write(m_fd, buffer, n) != static_cast<ssize_t>(n);
        }
        if (!m_bFailed) m_bFailed = std::ferror(stdin) != 0;
    }
    ~StandardInputFile()
    {
        if (m_fd >= 0) close(m_fd);
    }
    StandardInputFile(const StandardInputFile&) = delete;
    StandardInputFile& operator=(const StandardInputFile&) = delete;

    // A path that opens the file; empty when standard input could not be kept.
    std::string Path() const { return m_fd < 0 || m_bFailed ? std::string() : "/dev/fd/" + std::to_string(m_fd); }
    // Whether it was refused for being larger than any picture.
    bool TooLarge() const { return m_bTooLarge; }

private:
    int m_fd = -1;
    bool m_bFailed = false;
    bool m_bTooLarge = false;
};

// How a source names its header: the header's path seen from the source's folder.
std::string IncludeName(const OutputTarget& header, const OutputTarget& source)
{
    namespace fs = std::filesystem;
    const fs::path folder = source.IsStandardOutput() ? fs::current_path() : fs::absolute(source.path).parent_path();
    return fs::absolute(header.path).lexically_normal().lexically_relative(folder.lexically_normal()).generic_string();
}

// The job an INPUT's export and header share.
ExportJob MakeJob(const ExportRequest& request, const std::string& input, const CapturedPicture& picture,
                  const std::vector<OutputTarget>& outputs)
{
    const std::string& name = request.settings.name;
    ExportJob job{picture, name.empty() ? DefaultExportName(input) : name, request.settings.layout};
    const OutputTarget* header = nullptr;
    const OutputTarget* source = nullptr;
    for (const OutputTarget& output : outputs) {
        if (output.kind == OutputKind::Header) header = &output;
        if (output.kind == OutputKind::Export) source = &output;
    }
    if (header != nullptr && source != nullptr) job.bytes.strHeaderInclude = IncludeName(*header, *source);
    return job;
}

// Whether the format writes the bytes layout, a library's or its own: the
// formats a document's name and layout options are for.
bool WritesBytesLayout(const OutputFormat& format)
{
    return format.bLayoutOptions || format.pszTarget != nullptr;
}

// The layout options left unset in options, filled from the kept ones,
// each alone where it fits.
template <typename Fits>
LayoutOptions WithKeptLayout(LayoutOptions options, const LayoutOptions& kept, Fits fits)
{
    const auto take = [&](auto LayoutOptions::*option) {
        LayoutOptions trial = options;
        if (trial.*option || !(kept.*option)) return;
        trial.*option = kept.*option;
        if (fits(trial)) options = trial;
    };
    take(&LayoutOptions::packing);
    take(&LayoutOptions::bitOrder);
    take(&LayoutOptions::byteOrder);
    take(&LayoutOptions::paletteFormat);
    take(&LayoutOptions::rgbOrder);
    take(&LayoutOptions::bInvert);
    return options;
}

// What a document saved from the request keeps of its output: the format,
// if given, and for a format of the bytes layout the name and layout
// options given.
void KeepOutput(const ExportRequest& request, ExportSettings& kept)
{
    const OutputFormat& format = request.Format();
    if (request.given.bFormat) {
        kept.format = format.id;
        kept.target = request.settings.target;
    }
    if (!WritesBytesLayout(format)) return;
    if (!request.settings.name.empty()) kept.name = request.settings.name;
    kept.layout = WithKeptLayout(request.settings.layout, kept.layout, [](const LayoutOptions&) { return true; });
}

// The picture the document holds as the export takes it: shaped, unless it
// was as it came in, then prepared by the command line's settings over the
// document's own; the exit status when it cannot go. The picture borrows
// from the document and from prepared.
std::variant<CapturedPicture, int> PrepareDocumentExport(const ExportRequest& request, const std::string& input,
                                                         CTOVIXDoc& doc, UserDialogs& dialogs, PreparedExport& prepared,
                                                         bool bShaped)
{
    const ExportSettings& given = request.settings;
    ExportSettings settings = doc.ExportSettings();
    // The command line's shape stands in for the one a document keeps. It is
    // done to the picture here, so a document saved from it keeps none.
    const Geometry geometry = bShaped                       ? Geometry{}
                              : given.geometry.DoesNothing() ? settings.geometry
                                                             : given.geometry;
    if (!geometry.DoesNothing() && !TransformBitmap(doc.m_image, geometry)) throw std::bad_alloc();
    settings.geometry = {};
    if (given.mode) settings.mode = given.mode;
    KeepOutput(request, settings);
    settings.reduction = ReductionFor(request, settings.reduction, given.mode.value_or(doc.DeviceMode()));
    doc.SetExportSettings(settings);
    if (request.given.bLuminanceThreshold &&
        ResolvedFor(request.Format(), doc.DeviceMode(), settings.reduction).monoRule != ReductionSettings::MonoRule::Luminance) {
        ReportError(input, kLoneLuminanceThreshold);
        return kExitUsage;
    }
    if (given.thresholds) doc.SetThresholds(*given.thresholds);
    if (!ThresholdsApply(request, doc.DeviceMode())) {
        ReportError(input, ThresholdError(doc.DeviceMode()));
        return kExitUsage;
    }
    const std::optional<CapturedPicture> picture = CapturePicture(doc, dialogs);
    if (!picture) return kExitRefused;

    // The picture is shaped and holds its thresholds; the layout options
    // and the header were checked with the format on the command line.
    ExportSettings planned = given;
    planned.mode = doc.DeviceMode();
    planned.thresholds.reset();
    planned.geometry = {};
    planned.bHeader = false;
    planned.reduction = doc.ExportSettings().reduction;
    // A threshold for each channel asks for the rule that reads them; a
    // document saved from the command line keeps the thresholds alone.
    if (!planned.reduction.monoRule && given.thresholds) planned.reduction.monoRule = ReductionSettings::MonoRule::Channels;
    prepared = PrepareExport(*picture, planned, WritesExport(request) ? PreparedFor::Export : PreparedFor::DocumentOnly);
    if (prepared.refusal) {
        ReportError(input, prepared.refusal->text);
        return prepared.refusal->kind == ExportRefusal::Kind::Usage ? kExitUsage : kExitRefused;
    }
    return prepared.Picture(*picture);
}

// The request as it goes for the INPUT that doc holds: without -f or --for,
// for the target a document keeps, as a C source or its .bin; for a format
// of the bytes layout, with the array name and the layout options it keeps
// where the command line gives none and the mode and format take them.
ExportRequest RequestFor(const ExportRequest& request, const CTOVIXDoc& doc)
{
    ExportRequest resolved = request;
    const ExportSettings& kept = doc.ExportSettings();
    const OutputFormat& format = FormatFor(request, kept);
    resolved.settings.format = format.id;
    resolved.settings.target = format.pszTarget != nullptr ? format.pszTarget : "";
    if (!WritesBytesLayout(format)) return resolved;
    if (resolved.settings.name.empty()) resolved.settings.name = kept.name;
    const ColorMode mode = request.settings.mode.value_or(doc.DeviceMode());
    resolved.settings.layout = WithKeptLayout(resolved.settings.layout, kept.layout, [&](const LayoutOptions& trial) {
        return !OptionsErrorFor(format, mode, trial, false);
    });
    return resolved;
}

// A frame's pixels and what the plan made of them, kept while the document takes the next.
struct KeptFrame {
    std::vector<std::uint32_t> pixels;
    PreparedExport prepared;
};

// Adds every frame to the job: the first, which the document holds,
// prepared already, the others imported in turn and reduced alike; the
// exit status when one cannot go.
std::optional<int> AddFrames(const ExportRequest& request, const std::string& input, CTOVIXDoc& doc, UserDialogs& dialogs,
                             const PictureFrames& frames, CapturedPicture picture, PreparedExport prepared,
                             ExportJob& job, std::deque<KeptFrame>& kept)
{
    for (std::size_t i = 0;;) {
        KeptFrame& frame = kept.emplace_back(KeptFrame{{picture.pixels.begin(), picture.pixels.end()}, std::move(prepared)});
        picture.pixels = frame.pixels;
        picture.values = frame.prepared.picture.values;
        picture.palette = frame.prepared.picture.palette;
        job.frames.push_back({picture, frames.frames[i].nDelayMs});
        if (++i == frames.frames.size()) break;
        if (!ImportPictureFrame(doc, frames, i, dialogs, BackgroundOf(request.settings), InputLimits(request))) return kExitRefused;
        const std::variant<CapturedPicture, int> next = PrepareDocumentExport(request, input, doc, dialogs, prepared, false);
        if (const int* pExit = std::get_if<int>(&next)) return *pExit;
        picture = std::get<CapturedPicture>(next);
    }
    job.picture = job.frames.front().picture;
    return std::nullopt;
}

} // namespace

// One INPUT of the request; returns its exit status.
int ExportInput(const ExportRequest& given, const std::string& input)
{
    // Frames come in through the picture import, whatever INPUT's name.
    ConsoleDialogs inputDialogs(input, given.settings.layout.bFrames || KindOfInput(given, input) == InputKind::Picture);
    auto doc = std::make_unique<CTOVIXDoc>();
    std::optional<StandardInputFile> standardInput;
    if (input == kStandardInput) {
        standardInput.emplace();
        if (standardInput->TooLarge()) {
            ReportError(input, "more than " + std::to_string(kLargestPictureFileBytes >> 30) +
                                   " GiB, larger than any picture the tool reads");
            return kExitRefused;
        }
        if (standardInput->Path().empty()) {
            ReportError(input, std::string("cannot keep standard input in a temporary file: ") + std::strerror(errno));
            return kExitRefused;
        }
    }
    const std::string path = standardInput ? standardInput->Path() : input;
    if (!OpenRegularFile(path)) {
        const int nError = errno;
        const bool bDocument = KindOfInput(given, path) == InputKind::Document;
        const std::string text = InToolLanguage(bDocument ? msg::kCannotOpenDocument : msg::kCannotOpenBitmap);
        ReportError(input, SpeaksJapanese() ? text : text + SystemReason(nError));
        return kExitRefused;
    }
    PictureFrames frames;
    std::vector<std::uint8_t> alpha;
    const bool bShaped = ShapedOnArrival(given, path);
    const bool bRead = given.settings.layout.bFrames
                           ? ImportPictureFrames(*doc, path, inputDialogs, BackgroundOf(given.settings), frames, InputLimits(given))
                           : ReadInput(given, path, bShaped, *doc, inputDialogs, KeepsAlpha(given) ? &alpha : nullptr);
    if (!bRead) return kExitRefused;
    const ExportRequest request = RequestFor(given, *doc);
    PreparedExport prepared;
    const std::variant<CapturedPicture, int> result =
        PrepareDocumentExport(request, input, *doc, inputDialogs, prepared, bShaped);
    if (const int* pExit = std::get_if<int>(&result)) return *pExit;
    CapturedPicture reduced = std::get<CapturedPicture>(result);
    reduced.alpha = alpha;

    // Every target is checked before any is written.
    const std::vector<OutputTarget> outputs = PlanOutputs(request.outputs, request.Format(), input);
    for (const OutputTarget& output : outputs)
        if (!CheckOutputFree(output, request.bForce)) return kExitRefused;

    ExportJob job = MakeJob(request, input, reduced, outputs);
    std::deque<KeptFrame> kept;
    if (request.settings.layout.bFrames) {
        const std::optional<int> nExit =
            AddFrames(request, input, *doc, inputDialogs, frames, reduced, std::move(prepared), job, kept);
        if (nExit) return *nExit;
    }

    // The files of one INPUT land together once all are complete; standard
    // output, which cannot be taken back, is written last, before they land.
    CFileTransaction files;
    for (const OutputTarget& output : outputs) {
        const bool bWritten = WriteOutput(files, output, [&](std::FILE* file) {
            switch (output.kind) {
            case OutputKind::Document: return StoreDocument(*doc, file);
            case OutputKind::Header: return WriteHeaderFile(file, request.Format(), output.path, job);
            case OutputKind::Export: return WriteExportFile(file, request.Format(), job);
            case OutputKind::Picture: break;
            }
            return false;
        });
        if (!bWritten) return kExitRefused;
    }
    return LandOutputFiles(files) ? 0 : kExitRefused;
}

int RunExportRequest(const ExportRequest& request)
{
    int nExit = 0;
    for (const std::string& input : request.inputs) nExit = std::max(nExit, ExportInput(request, input));
    return nExit;
}
