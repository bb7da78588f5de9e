// quillora-cli COMMAND [--option value ...]
// The command-line front end: runs the same core as the desktop program and
// prints exactly the lines the matching window shows.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "cli/Commands.h"

using namespace quillora::cli;

namespace {

const char* kUsage =
    "usage: quillora-cli COMMAND [--option value ...]\n"
    "\n"
    "commands:\n"
    "  bazi      --surname S --given G --sex 男|女 --calendar 公历|农历\n"
    "            --year Y --month M --day D [--leap] --hour H --minute MI\n"
    "  analyse   --name N --sex .. --calendar .. --year .. --month .. --day .. [--leap]\n"
    "            --hour H --minute MI --main NAME [--suffix S] [--prefix P]\n"
    "  analyse   --batch FILE --sex .. --calendar .. --year .. --month .. --day .. [--leap]\n"
    "            --hour H --minute MI [--format tsv|csv|xlsx] [--output FILE]\n"
    "  generate  --name N --sex .. --calendar .. --year .. --month .. --day .. [--leap]\n"
    "            --hour H --minute MI --length 2|3|4 [--fixed1 C] .. [--fixed4 C]\n"
    "            [--suffix S] [--prefix P] [--exclude 字字] [--prefer 字字]\n"
    "            [--seed N] [--pages K] [--format tsv|csv|xlsx] [--output FILE]\n"
    "  almanac   --year Y --month M --day D\n"
    "  auspicious --activity A --from YYYY-MM-DD --to YYYY-MM-DD\n"
    "            [--sex .. --calendar .. --year .. --month .. --day .. --hour H --minute MI]\n"
    "  lunar     YYYY-MM-DD            (1900-01-31 to 2100-12-31)\n"
    "  solar     --year Y --month M --day D [--leap]   (lunar years 1901 to 2099)\n"
    "  month     YYYY-MM [--day D]     (1901-01 to 2050-12)\n"
    "  terms     YYYY\n"
    "\n"
    "--sex takes 男 or 女 (男 when left out). --hour takes the clock hour 0-23 or\n"
    "an hour item such as \"子 0\". --leap: with --calendar 农历, the month is the\n"
    "year's leap month. Texts must be UTF-8. An option a command does not take, a\n"
    "repeated option or a stray argument is refused.\n"
    "Exit status: 0 done; 2 an input check failed (a bad option, date or number,\n"
    "with its message on stderr); 1 any other error (a damaged database file, a\n"
    "file or the output that could not be written).\n";

struct Command {
    const char* name;
    int (*run)(const Args&);
    CommandLine line;
};

// The options of the legal person's birth data (bazi adds --surname and
// --given, the others --name); --sex takes the two items of the sex box.
CommandLine BirthCommandLine(std::vector<std::string> more) {
    more.insert(more.begin(), {"sex", "calendar", "year", "month", "day", "hour", "minute"});
    return {.options = std::move(more),
            .flags = {"leap"},
            .fileOptions = {"output", "batch"},
            .choices = {{"sex", {"男", "女"}}}};
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"bazi", RunBazi, BirthCommandLine({"surname", "given"})},
        {"analyse", RunAnalyse,
         BirthCommandLine({"name", "main", "suffix", "prefix", "batch", "format", "output"})},
        {"generate", RunGenerate,
         BirthCommandLine({"name", "length", "fixed1", "fixed2", "fixed3", "fixed4", "suffix",
                           "prefix", "exclude", "prefer", "seed", "pages", "format", "output"})},
        {"almanac", RunAlmanac, {.options = {"year", "month", "day"}}},
        {"auspicious", RunAuspicious, BirthCommandLine({"activity", "from", "to"})},
        {"lunar", RunLunar, {.positional = 1}},
        {"solar", RunSolar, {.options = {"year", "month", "day"}, .flags = {"leap"}}},
        {"month", RunMonth, {.options = {"day"}, .positional = 1}},
        {"terms", RunTerms, {.positional = 1}},
    };
    return commands;
}

// Messages may quote what was typed: never pass a terminal escape through.
void PrintMessage(const std::string& message) {
    std::fprintf(stderr, "%s\n", Escaped(message, true).c_str());
}

// Everything printed must have reached standard output: a full disk or a
// closed file there is an error, not a finished command.
int CheckOutput(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int e = errno;
        std::fprintf(stderr, "quillora-cli: 无法写入标准输出：%s\n",
                     e != 0 ? std::strerror(e) : "写入失败");
        return 1;
    }
    return status;
}

int Run(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command.empty() || command == "--help" || command == "-h" || command == "help") {
        if (argc > 2)
            throw InputError{"unexpected argument " + Quoted(argv[2]) + " after " + command};
        std::fputs(kUsage, command.empty() ? stderr : stdout);
        return command.empty() ? 2 : 0;
    }
    for (const Command& c : Commands()) {
        if (command != c.name)
            continue;
        const Args args = ParseArgs(argc, argv, c.line);
        if (args.Has("help")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        return c.run(args);
    }
    std::fprintf(stderr, "quillora-cli: unknown command %s\n\n%s", Quoted(command).c_str(), kUsage);
    return 2;
}

}  // namespace

namespace quillora::cli {
void WriteOut(std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::ferror(stdout))
        throw OutputError{};
}
}  // namespace quillora::cli

int main(int argc, char** argv) {
    try {
        return CheckOutput(Run(argc, argv));
    } catch (const InputError& e) {
        PrintMessage(e.message);
        return CheckOutput(2);
    } catch (const OutputError&) {
        return CheckOutput(1);
    } catch (const std::exception& e) {
        PrintMessage(e.what());
        return CheckOutput(1);
    } catch (...) {
        std::fprintf(stderr, "quillora-cli: unexpected error\n");
        return 1;
    }
}
