#include "cli/Args.h"

namespace quillora::cli {

std::string Args::Get(const std::string& name, const std::string& fallback) const {
    const auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
}

bool IsFlag(const std::string& name) {
    return name == "leap" || name == "help";
}

Args ParseArgs(int argc, char** argv) {
    Args args;
    int i = 1;
    if (i < argc)
        args.command = argv[i++];
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            const std::string name = a.substr(2);
            if (IsFlag(name)) {
                args.options[name] = "1";
            } else if (i + 1 < argc) {
                args.options[name] = argv[++i];
            } else {
                throw InputError{"option --" + name + " needs a value"};
            }
        } else {
            args.positional.push_back(a);
        }
    }
    return args;
}

std::string Require(const Args& args, const std::string& name) {
    const auto it = args.options.find(name);
    if (it == args.options.end())
        throw InputError{"missing option --" + name};
    return it->second;
}

}  // namespace quillora::cli
