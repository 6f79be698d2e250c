#include "CommandLine.h"

#include <string_view>

namespace meshwright {
namespace {

// Walks the arguments GNU style: options anywhere, "--" ends them.
class ArgumentReader {
public:
    explicit ArgumentReader(const std::vector<std::string>& args, std::size_t start) : m_args(args), m_index(start) {}

    bool Done() const { return m_index >= m_args.size(); }
    const std::string& Next() { return m_args[m_index++]; }

    // The value of an option that takes one: "--name=value", "--name value", "-ovalue", "-o value".
    std::optional<std::string> Value(const std::string& argument, std::string_view option, std::string& error)
    {
        if (argument.size() > option.size())
            return argument.substr(option.size() + (argument[option.size()] == '=' ? 1 : 0));
        if (Done()) {
            error = "option '" + std::string(option) + "' needs a value";
            return std::nullopt;
        }
        return Next();
    }

private:
    const std::vector<std::string>& m_args;
    std::size_t m_index;
};

// Whether argument is option itself or option with an attached value.
bool Matches(const std::string& argument, std::string_view option)
{
    if (argument.compare(0, option.size(), option) != 0)
        return false;
    if (argument.size() == option.size())
        return true;
    if (option.size() == 2)  // a short option: -oFILE
        return true;
    return argument[option.size()] == '=';
}

bool IsFlag(const std::string& argument, std::string_view name)
{
    return argument == name;
}

ParsedCommandLine UsageError(std::string message)
{
    ParsedCommandLine parsed;
    parsed.command = Command::Usage;
    parsed.error = std::move(message);
    return parsed;
}

ParsedCommandLine ParseRepair(const std::vector<std::string>& args)
{
    ParsedCommandLine parsed;
    parsed.command = Command::Repair;
    RepairOptions& options = parsed.repair;
    ArgumentReader reader(args, 1);
    bool optionsEnded = false;
    std::string error;
    while (!reader.Done()) {
        const std::string& argument = reader.Next();
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            options.sources.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (IsFlag(argument, "-h") || IsFlag(argument, "--help")) {
            parsed.command = Command::RepairHelp;
            return parsed;
        } else if (Matches(argument, "-o") || Matches(argument, "--output")) {
            const auto value = reader.Value(argument, argument.rfind("--", 0) == 0 ? "--output" : "-o", error);
            if (!value)
                return UsageError(error);
            if (options.output)
                return UsageError("option '-o' given more than once");
            options.output = *value;
        } else if (Matches(argument, "--out-dir")) {
            const auto value = reader.Value(argument, "--out-dir", error);
            if (!value)
                return UsageError(error);
            options.outDir = *value;
        } else if (Matches(argument, "--precision")) {
            const auto value = reader.Value(argument, "--precision", error);
            if (!value)
                return UsageError(error);
            options.precision = *value;
        } else if (IsFlag(argument, "--overwrite") || IsFlag(argument, "-f")) {
            options.overwrite = true;
        } else if (IsFlag(argument, "--mkdir")) {
            options.makeDirs = true;
        } else if (IsFlag(argument, "--quiet") || IsFlag(argument, "-q")) {
            options.quiet = true;
        } else if (IsFlag(argument, "--json")) {
            options.json = true;
        } else if (IsFlag(argument, "--salvage")) {
            options.salvage = true;
        } else {
            return UsageError("unknown option '" + argument + "'");
        }
    }
    if (options.sources.empty())
        return UsageError("repair: no source file given");
    if (options.output && options.outDir)
        return UsageError("repair: '-o' and '--out-dir' cannot be used together");
    if (options.output && options.sources.size() > 1)
        return UsageError("repair: '-o' names one target, but " + std::to_string(options.sources.size()) +
                          " sources were given; use '--out-dir DIR' for several");
    if (options.output && options.output->empty())
        return UsageError("repair: '-o' needs a file name");
    if (options.outDir && options.outDir->empty())
        return UsageError("repair: '--out-dir' needs a folder name");
    return parsed;
}

ParsedCommandLine ParseInfo(const std::vector<std::string>& args)
{
    ParsedCommandLine parsed;
    parsed.command = Command::Info;
    ArgumentReader reader(args, 1);
    bool optionsEnded = false;
    while (!reader.Done()) {
        const std::string& argument = reader.Next();
        if (optionsEnded || argument.size() < 2 || argument[0] != '-')
            parsed.info.files.push_back(argument);
        else if (argument == "--")
            optionsEnded = true;
        else if (IsFlag(argument, "-h") || IsFlag(argument, "--help")) {
            parsed.command = Command::InfoHelp;
            return parsed;
        } else if (IsFlag(argument, "--json"))
            parsed.info.json = true;
        else
            return UsageError("unknown option '" + argument + "'");
    }
    if (parsed.info.files.empty())
        return UsageError("info: no file given");
    return parsed;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args)
{
    if (args.empty())
        return UsageError("no command given");
    const std::string& first = args[0];
    ParsedCommandLine parsed;
    if (first == "-h" || first == "--help" || first == "help") {
        parsed.command = Command::Help;
        if (args.size() > 1 && first == "help") {
            if (args[1] == "repair")
                parsed.command = Command::RepairHelp;
            else if (args[1] == "info")
                parsed.command = Command::InfoHelp;
        }
        return parsed;
    }
    if (first == "-V" || first == "--version") {
        parsed.command = Command::Version;
        return parsed;
    }
    if (first == "repair")
        return ParseRepair(args);
    if (first == "info")
        return ParseInfo(args);
    if (!first.empty() && first[0] == '-')
        return UsageError("unknown option '" + first + "'");
    return UsageError("unknown command '" + first + "'");
}

const char* const kMainHelp =
    "Usage: meshwright COMMAND [OPTION]... FILE...\n"
    "Salvage the intact facets of damaged binary STL files.\n"
    "\n"
    "Commands:\n"
    "  repair SRC...     copy every intact facet of each SRC into a new, well-formed\n"
    "                    binary STL file (by default SRC's name with \"_fixed\")\n"
    "  info FILE...      show what a file looks like before a repair: size, header,\n"
    "                    stored facet count, text or binary format\n"
    "  help [COMMAND]    show this help, or the help of COMMAND\n"
    "\n"
    "Options:\n"
    "  -h, --help        show this help and exit\n"
    "  -V, --version     show the version and exit\n"
    "\n"
    "Exit status:\n"
    "  0    every file was handled (repair: each gave at least one facet)\n"
    "  1    repair: some file gave no facet; info: some file could not be read\n"
    "  2    usage error, or a repair was refused before anything was changed\n"
    "  130  interrupted (Ctrl-C); the current target holds the facets found so far\n"
    "\n"
    "Examples:\n"
    "  meshwright info part.stl\n"
    "  meshwright repair part.stl                 writes part_fixed.stl\n"
    "  meshwright repair -o good.stl broken.stl\n"
    "  meshwright repair --out-dir fixed --mkdir scans/*.stl\n"
    "\n"
    "Run 'meshwright COMMAND --help' for the options of a command.\n";

const char* const kRepairHelp =
    "Usage: meshwright repair [OPTION]... SRC...\n"
    "Scan each damaged binary STL file SRC at every byte offset and copy every intact\n"
    "facet record into a new binary STL file. The source is never changed. Files are\n"
    "repaired one after another.\n"
    "\n"
    "The target of SRC is SRC without its last extension, then \"_fixed\", then the\n"
    "extension: part.stl gives part_fixed.stl, a.b/part gives a.b/part_fixed.\n"
    "\n"
    "Options:\n"
    "  -o, --output=DST     write the repaired file to DST (one SRC only)\n"
    "      --out-dir=DIR    write each target into DIR, under its proposed name\n"
    "      --precision=TEXT largest difference allowed between a stored and a\n"
    "                       computed normal component (default 1e-6); a text that\n"
    "                       is not a usable number gives the default, with a warning\n"
    "      --salvage        keep every facet record that survived intact, whatever\n"
    "                       its stored normal (zero, reversed or imprecise, as many\n"
    "                       exporters write them); the precision is then not used\n"
    "  -f, --overwrite      replace targets that already exist\n"
    "      --mkdir          create the target folder when it does not exist\n"
    "  -q, --quiet          show errors only\n"
    "      --json           print one JSON object per file on standard output\n"
    "  -h, --help           show this help and exit\n"
    "\n"
    "Progress goes to standard error: a bar on a terminal, plain lines otherwise.\n"
    "Nothing is changed when a check fails: a source that is missing or unreadable,\n"
    "a target that exists (without --overwrite), a target that is a source, two\n"
    "sources with one target, a target folder that does not exist (without --mkdir).\n"
    "Ctrl-C stops the current scan; its target is then a well-formed STL file of\n"
    "the facets found so far, and the remaining sources are not started.\n"
    "\n"
    "A plain repair keeps a record only when its stored normal is the unit normal of\n"
    "its vertices within the precision; 'meshwright info' tells when a file's normals\n"
    "are not, and --salvage is the better choice.\n"
    "\n"
    "The JSON object of each file has the members source, target, mode (\"strict\" or\n"
    "\"salvage\"), facets_written,\n"
    "stored_count (null when the source has no header), source_bytes, seconds,\n"
    "result (\"repaired\", \"no_facets\", \"failed\" or \"interrupted\"), errors, messages,\n"
    "log and warnings. Refusals and usage errors are reported on standard error.\n"
    "\n"
    "Exit status:\n"
    "  0    every file gave at least one facet\n"
    "  1    some file gave no facet (or the engine reported an error)\n"
    "  2    usage error or refusal; nothing was changed\n"
    "  130  interrupted\n"
    "\n"
    "Examples:\n"
    "  meshwright repair part.stl\n"
    "  meshwright repair --overwrite -o part_good.stl part.stl\n"
    "  meshwright repair --out-dir /tmp/fixed --mkdir --json *.stl\n"
    "  meshwright repair --salvage plate.stl\n";

const char* const kInfoHelp =
    "Usage: meshwright info [OPTION]... FILE...\n"
    "Show what each FILE looks like before a repair: its size, the text of its\n"
    "80-byte header, the facet count stored after the header and whether the size\n"
    "agrees with it (84 + 50 bytes per facet), and whether it is a binary STL file,\n"
    "a text-format STL file (which cannot be repaired), or no STL file at all\n"
    "(an HTML page, an empty or header-only file).\n"
    "\n"
    "Options:\n"
    "      --json   print one JSON object per file on standard output\n"
    "  -h, --help   show this help and exit\n"
    "\n"
    "Exit status:\n"
    "  0    every file was inspected\n"
    "  1    some file could not be read\n"
    "  2    usage error\n"
    "\n"
    "Examples:\n"
    "  meshwright info part.stl\n"
    "  meshwright info --json scans/*.stl\n";

}  // namespace meshwright
