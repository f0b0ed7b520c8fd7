// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/output_plan.h"

#include "cli/decode_run.h"
#include "cli/tool_language.h"
#include "core/document_file.h"
#include "core/tovix_doc.h"
#include "core/user_dialogs.h"

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <variant>

namespace {

// What a path names, to tell whether two name one file: an existing regular
// file by device and inode, which every link to it shares; a name that does
// not exist yet by its folder's real path and its name. A device or a pipe
// has none: it is written to, never replaced.
using FileIdentity = std::variant<std::pair<dev_t, ino_t>, std::string>;

std::optional<FileIdentity> IdentityOf(const struct stat& info)
{
    if (!S_ISREG(info.st_mode)) return std::nullopt;
    return FileIdentity(std::pair(info.st_dev, info.st_ino));
}

std::optional<FileIdentity> IdentityOfPath(const std::string& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) return IdentityOf(info);
    namespace fs = std::filesystem;
    const fs::path given(path);
    const fs::path folder = given.parent_path().empty() ? fs::path(".") : given.parent_path();
    char resolved[PATH_MAX];
    // A folder that cannot be resolved cannot take the file either; its
    // spelling is as good a name as any.
    if (realpath(folder.c_str(), resolved) == nullptr) return fs::absolute(given).lexically_normal().string();
    return (fs::path(resolved) / given.filename()).string();
}

// Standard input or output, when it is a file.
std::optional<FileIdentity> IdentityOfStream(int fd)
{
    struct stat info {};
    if (fstat(fd, &info) != 0) return std::nullopt;
    return IdentityOf(info);
}

// A file the run reads or writes, with the words that name it to the user.
struct NamedFile {
    std::string strWords;
    std::optional<FileIdentity> identity;
};

std::string Quoted(const std::string& path)
{
    return "'" + path + "'";
}

std::string InputWords(const std::string& input)
{
    if (input == kStandardInput) return SpeaksJapanese() ? "標準入力" : "standard input";
    return (SpeaksJapanese() ? "入力" : "INPUT ") + Quoted(input);
}

// An output by the option that gave it, or as the default of its INPUT.
NamedFile OutputFile(const OutputTarget& target, const char* pszOption, bool bGiven, const std::string& input)
{
    if (target.IsStandardOutput()) return {SpeaksJapanese() ? "標準出力" : "standard output", IdentityOfStream(STDOUT_FILENO)};
    const std::string words = bGiven              ? pszOption + std::string(" ") + Quoted(target.path)
                              : SpeaksJapanese() ? Quoted(input) + "の既定の出力(" + Quoted(target.path) + ")"
                                                 : "the default output of " + Quoted(input) + " (" + Quoted(target.path) + ")";
    return {words, IdentityOfPath(target.path)};
}

std::optional<std::string> MeetingError(const std::vector<NamedFile>& inputs, const std::vector<NamedFile>& outputs)
{
    std::map<FileIdentity, const NamedFile*> inputFiles, outputFiles;
    for (const NamedFile& input : inputs)
        if (input.identity) inputFiles.emplace(*input.identity, &input);
    for (const NamedFile& output : outputs) {
        if (!output.identity) continue;
        if (const auto input = inputFiles.find(*output.identity); input != inputFiles.end()) {
            const std::string& inputWords = input->second->strWords;
            return SpeaksJapanese() ? output.strWords + "は" + inputWords + "と同じﾌｧｲﾙです。入力を上書きしてしまいます"
                                    : output.strWords + " is " + inputWords + ", which it would replace";
        }
        const auto [earlier, bFirst] = outputFiles.emplace(*output.identity, &output);
        if (bFirst) continue;
        const std::string& earlierWords = earlier->second->strWords;
        return SpeaksJapanese() ? earlierWords + "と" + output.strWords + "は同じﾌｧｲﾙです。一方が他方を上書きしてしまいます"
                                : earlierWords + " and " + output.strWords + " are the same file, and one would replace the other";
    }
    return std::nullopt;
}

// The format the run will take for INPUT; a document is read for the one
// it keeps, and one that cannot be read takes the request's, as its
// refusal comes when the run reads it.
const OutputFormat& PlannedFormat(const ExportRequest& request, const std::string& input)
{
    if (request.given.bFormat || KindOfInput(request, input) != InputKind::Document) return request.Format();
    auto doc = std::make_unique<CTOVIXDoc>();
    SilentDialogs dialogs;
    return ReadDocumentFile(*doc, input, dialogs) ? FormatFor(request, doc->ExportSettings()) : request.Format();
}

} // namespace

const OutputFormat& FormatFor(const ExportRequest& request, const ExportSettings& kept)
{
    const OutputFormat* stored = OutputFormatOf(kept);
    return !request.given.bFormat && stored != nullptr ? *stored : request.Format();
}

std::vector<OutputTarget> PlanOutputs(const std::vector<RequestedOutput>& outputs, const OutputFormat& format,
                                      const std::string& input)
{
    // A picture from standard input goes to standard output unless told otherwise.
    const std::string defaultPath =
        input == kStandardInput ? std::string("-")
                                : std::filesystem::path(input).replace_extension(std::string(".") + format.pszExtension).string();
    std::vector<OutputTarget> planned;
    for (const RequestedOutput& output : outputs) planned.push_back({output.kind, output.path.value_or(defaultPath)});
    return planned;
}

std::optional<std::string> MeetingFilesError(const ExportRequest& request)
{
    std::vector<NamedFile> inputs;
    std::vector<NamedFile> outputs;
    for (const std::string& input : request.inputs) {
        inputs.push_back({InputWords(input), input == kStandardInput ? IdentityOfStream(STDIN_FILENO) : IdentityOfPath(input)});
        const std::vector<OutputTarget> planned = PlanOutputs(request.outputs, PlannedFormat(request, input), input);
        for (std::size_t i = 0; i < planned.size(); ++i)
            outputs.push_back(OutputFile(planned[i], request.outputs[i].pszOption, request.outputs[i].path.has_value(), input));
    }
    return MeetingError(inputs, outputs);
}

std::optional<std::string> MeetingFilesError(const DecodeRequest& request)
{
    const OutputTarget target{OutputKind::Picture, request.output.value_or(DefaultDecodeOutput(request.input))};
    return MeetingError({{"--decode " + Quoted(request.input), IdentityOfPath(request.input)}},
                        {OutputFile(target, "-o", request.output.has_value(), request.input)});
}
