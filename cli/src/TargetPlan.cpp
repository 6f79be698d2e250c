#include "TargetPlan.h"

#include "Display.h"
#include "Utf.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace meshwright {
namespace fs = std::filesystem;

namespace {

std::string ErrnoText(int error) { return std::strerror(error); }

struct FileId {
    dev_t device;
    ino_t inode;
    bool operator==(const FileId&) const = default;
};

std::optional<FileId> IdOf(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return FileId{st.st_dev, st.st_ino};
}

// The folder a target lands in, as the engine will create it there.
std::string FolderOf(const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// An absolute, lexically normal spelling, to catch two targets written differently.
std::string NormalPath(const std::string& path)
{
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::absolute(path, ec), ec);
    if (ec)
        p = fs::absolute(path, ec).lexically_normal();
    return p.string();
}

// A readable regular file, or the reason it cannot be repaired.
std::optional<std::string> CheckSource(const std::string& source, PlannedJob& job)
{
    struct stat st;
    if (::stat(source.c_str(), &st) != 0)
        return "cannot read source " + Quoted(source) + ": " + ErrnoText(errno);
    if (S_ISDIR(st.st_mode))
        return "source " + Quoted(source) + " is a folder, not a file";
    if (!S_ISREG(st.st_mode))
        return "source " + Quoted(source) + " is not a regular file";
    const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return "cannot read source " + Quoted(source) + ": " + ErrnoText(errno);
    job.sourceBytes = static_cast<std::uint64_t>(st.st_size);
    unsigned char count[4];
    if (st.st_size >= 84 && ::pread(fd, count, 4, 80) == 4)
        job.storedCount = static_cast<std::uint32_t>(count[0] | count[1] << 8 | count[2] << 16 |
                                                     static_cast<std::uint32_t>(count[3]) << 24);
    ::close(fd);
    return std::nullopt;
}

// The target's folder: it must exist (or be creatable with --mkdir) and take a new file.
std::optional<std::string> CheckFolder(const std::string& folder, bool makeDirs, std::vector<std::string>& toCreate)
{
    struct stat st;
    if (::stat(folder.c_str(), &st) == 0) {
        if (!S_ISDIR(st.st_mode))
            return "target folder " + Quoted(folder) + " is not a folder";
        if (::access(folder.c_str(), W_OK | X_OK) != 0)
            return "cannot write in target folder " + Quoted(folder) + ": " + ErrnoText(errno);
        return std::nullopt;
    }
    if (errno != ENOENT)
        return "cannot use target folder " + Quoted(folder) + ": " + ErrnoText(errno);
    if (!makeDirs)
        return "target folder " + Quoted(folder) + " does not exist (use --mkdir to create it)";
    // The nearest folder that exists is where the new ones will be made.
    fs::path ancestor = fs::path(folder);
    for (;;) {
        ancestor = ancestor.parent_path();
        const std::string name = ancestor.empty() ? std::string(".") : ancestor.string();
        if (::stat(name.c_str(), &st) == 0) {
            if (!S_ISDIR(st.st_mode))
                return "cannot create target folder " + Quoted(folder) + ": " + Quoted(name) + " is not a folder";
            if (::access(name.c_str(), W_OK | X_OK) != 0)
                return "cannot create target folder " + Quoted(folder) + ": " + ErrnoText(errno);
            break;
        }
        if (errno != ENOENT)
            return "cannot create target folder " + Quoted(folder) + ": " + ErrnoText(errno);
        if (ancestor.empty() || ancestor == ancestor.root_path())
            break;
    }
    for (const std::string& planned : toCreate)
        if (planned == folder)
            return std::nullopt;
    toCreate.push_back(folder);
    return std::nullopt;
}

std::optional<std::string> CheckExistingTarget(const std::string& target, bool overwrite)
{
    struct stat lst;
    if (::lstat(target.c_str(), &lst) != 0)
        return std::nullopt;  // a new file
    struct stat st;
    const bool resolves = ::stat(target.c_str(), &st) == 0;
    if (resolves && S_ISDIR(st.st_mode))
        return "target " + Quoted(target) + " is a folder";
    if (resolves && !S_ISREG(st.st_mode))
        return "target " + Quoted(target) + " is not a regular file";
    if (!overwrite)
        return "target " + Quoted(target) + " already exists (use --overwrite to replace it)";
    if (resolves && ::access(target.c_str(), W_OK) != 0)
        return "cannot replace target " + Quoted(target) + ": " + ErrnoText(errno);
    return std::nullopt;
}

}  // namespace

std::string ProposedTarget(const std::string& source)
{
    const std::size_t mark = source.find_last_of("./");
    if (mark == std::string::npos || source[mark] != '.')
        return source + "_fixed";
    return source.substr(0, mark) + "_fixed" + source.substr(mark);
}

RepairPlan PlanRepair(const RepairOptions& options)
{
    RepairPlan plan;
    std::vector<std::optional<FileId>> sourceIds;

    for (const std::string& source : options.sources) {
        PlannedJob job;
        job.source = source;
        if (options.output)
            job.target = *options.output;
        else if (options.outDir)
            job.target = (fs::path(*options.outDir) / fs::path(ProposedTarget(source)).filename()).string();
        else
            job.target = ProposedTarget(source);

        bool pathsOk = true;
        for (const auto& [path, utf16, role] :
             {std::tuple{&job.source, &job.source16, "source"}, std::tuple{&job.target, &job.target16, "target"}}) {
            const auto converted = Utf8ToUtf16(*path);
            if (!converted) {
                plan.refusals.push_back(std::string(role) + " path " + Quoted(*path) +
                                        " is not valid UTF-8; rename the file or pass a UTF-8 name");
                pathsOk = false;
            } else if (converted->find(u'\0') != std::u16string::npos) {
                pathsOk = false;  // cannot come from argv, but the engine would read a shorter path
            } else {
                *utf16 = *converted;
            }
        }
        if (pathsOk && fs::path(job.target).filename().empty()) {
            plan.refusals.push_back("target " + Quoted(job.target) + " names a folder, not a file");
            pathsOk = false;
        }
        if (pathsOk) {
            if (auto refusal = CheckSource(source, job))
                plan.refusals.push_back(*refusal);
            if (auto refusal = CheckFolder(FolderOf(job.target), options.makeDirs, plan.foldersToCreate))
                plan.refusals.push_back(*refusal);
        }
        sourceIds.push_back(IdOf(source));
        plan.jobs.push_back(std::move(job));
    }

    // Targets against every source and every other target of the run: the engine
    // would empty a source it is about to read, or one job would undo another.
    for (std::size_t i = 0; i < plan.jobs.size(); ++i) {
        const PlannedJob& job = plan.jobs[i];
        const std::optional<FileId> targetId = IdOf(job.target);
        bool clash = false;
        for (std::size_t k = 0; k < plan.jobs.size() && targetId; ++k) {
            if (sourceIds[k] && *sourceIds[k] == *targetId) {
                plan.refusals.push_back(k == i ? "target " + Quoted(job.target) + " is the source " +
                                                     Quoted(job.source) + " itself"
                                               : "target " + Quoted(job.target) + " of " + Quoted(job.source) +
                                                     " is the source " + Quoted(plan.jobs[k].source) +
                                                     " of this run");
                clash = true;
                break;
            }
        }
        for (std::size_t k = 0; k < i && !clash; ++k) {
            const std::optional<FileId> otherId = IdOf(plan.jobs[k].target);
            if (NormalPath(plan.jobs[k].target) == NormalPath(job.target) || (targetId && otherId && *targetId == *otherId)) {
                plan.refusals.push_back("sources " + Quoted(plan.jobs[k].source) + " and " + Quoted(job.source) +
                                        " would both be repaired to " + Quoted(job.target));
                clash = true;
            }
        }
        if (!clash)
            if (auto refusal = CheckExistingTarget(job.target, options.overwrite))
                plan.refusals.push_back(*refusal);
    }
    return plan;
}

bool CreatePlannedFolders(const RepairPlan& plan, std::string& error)
{
    for (const std::string& folder : plan.foldersToCreate) {
        std::error_code ec;
        fs::create_directories(folder, ec);
        if (ec) {
            error = "cannot create target folder " + Quoted(folder) + ": " + ec.message();
            return false;
        }
    }
    return true;
}

}  // namespace meshwright
