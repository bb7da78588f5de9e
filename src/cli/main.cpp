// quillora-cli COMMAND [--option value ...]
// The command-line front end: runs the same core as the desktop program and
// prints exactly the lines the matching window shows.
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
    "            [--suffix S] [--prefix P] [--seed N] [--pages K]\n"
    "            [--format tsv|csv|xlsx] [--output FILE]\n"
    "  almanac   --year Y --month M --day D\n"
    "  auspicious --activity A --from YYYY-MM-DD --to YYYY-MM-DD\n"
    "            [--sex .. --calendar .. --year .. --month .. --day .. --hour H --minute MI]\n"
    "  lunar     YYYY-MM-DD\n"
    "  solar     --year Y --month M --day D [--leap]\n"
    "  month     YYYY-MM [--day D]\n"
    "  terms     YYYY\n"
    "\n"
    "--hour takes the clock hour 0-23 or an hour item such as \"子 0\".\n"
    "--leap: with --calendar 农历, the month is the year's leap month.\n"
    "Exit status: 0 done, 2 an input check failed, 1 any other error.\n";

struct Command {
    const char* name;
    int (*run)(const Args&);
};

const Command kCommands[] = {
    {"bazi", RunBazi},       {"analyse", RunAnalyse},       {"generate", RunGenerate},
    {"almanac", RunAlmanac}, {"auspicious", RunAuspicious}, {"lunar", RunLunar},
    {"solar", RunSolar},     {"month", RunMonth},           {"terms", RunTerms},
};

}  // namespace

int main(int argc, char** argv) {
    try {
        const Args args = ParseArgs(argc, argv);
        if (args.command.empty() || args.command == "--help" || args.command == "-h" ||
            args.command == "help") {
            std::fputs(kUsage, args.command.empty() ? stderr : stdout);
            return args.command.empty() ? 2 : 0;
        }
        for (const Command& c : kCommands) {
            if (args.command == c.name) {
                if (args.Has("help")) {
                    std::fputs(kUsage, stdout);
                    return 0;
                }
                return c.run(args);
            }
        }
        std::fprintf(stderr, "quillora-cli: unknown command '%s'\n\n%s", args.command.c_str(),
                     kUsage);
        return 2;
    } catch (const InputError& e) {
        std::fprintf(stderr, "%s\n", e.message.c_str());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    } catch (...) {
        std::fprintf(stderr, "quillora-cli: unexpected error\n");
        return 1;
    }
}
