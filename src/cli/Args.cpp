#include "cli/Args.h"

#include <algorithm>

#include "common/Text.h"

namespace quillora::cli {

std::string Args::Get(const std::string& name, const std::string& fallback) const {
    const auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
}

namespace {

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// "a, b or c".
std::string Choices(const std::vector<std::string>& values) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += i + 1 == values.size() ? " or " : ", ";
        out += values[i];
    }
    return out;
}

// C0 and C1 control characters (the text is valid UTF-8).
bool HasControlCharacter(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t cp = NextCodePoint(text, pos);
        if (IsControlCharacter(cp))
            return true;
    }
    return false;
}

}  // namespace

Args ParseArgs(int argc, char** argv, const CommandLine& line) {
    Args args;
    if (argc > 1)
        args.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            const std::string name = a.substr(2);
            const bool flag = name == "help" || Contains(line.flags, name);
            if (!flag && !Contains(line.options, name)) {
                throw InputError{"unknown option " + Quoted(a) + " for " + args.command +
                                 " (quillora-cli --help lists the options)"};
            }
            if (args.Has(name))
                throw InputError{"option --" + name + " is given twice"};
            if (flag) {
                args.options[name] = "1";
                continue;
            }
            if (i + 1 >= argc)
                throw InputError{"option --" + name + " needs a value"};
            const std::string value = argv[++i];
            if (!Contains(line.fileOptions, name) && !IsValidUtf8(value))
                throw InputError{"the value of --" + name +
                                 " is not valid UTF-8: " + Quoted(value)};
            for (const auto& [option, values] : line.choices) {
                if (option == name && !Contains(values, value))
                    throw InputError{"--" + name + " takes " + Choices(values) + ", not " +
                                     Quoted(value)};
            }
            args.options[name] = value;
        } else {
            if (args.positional.size() >= line.positional) {
                throw InputError{"unexpected argument " + Quoted(a) + " for " + args.command};
            }
            if (!IsValidUtf8(a))
                throw InputError{"the argument " + Quoted(a) + " is not valid UTF-8"};
            args.positional.push_back(a);
        }
    }
    // A name, a date or a number never holds a control character; one copied
    // into a report would reach the terminal raw. Checked once the line's
    // form is known to be right, so a stray or unknown option is named first.
    for (const auto& [name, value] : args.options) {
        if (!Contains(line.fileOptions, name) && HasControlCharacter(value))
            throw InputError{"the value of --" + name +
                             " holds a control character: " + Quoted(value)};
    }
    for (const std::string& a : args.positional) {
        if (HasControlCharacter(a))
            throw InputError{"the argument " + Quoted(a) + " holds a control character"};
    }
    return args;
}

std::string Require(const Args& args, const std::string& name) {
    const auto it = args.options.find(name);
    if (it == args.options.end())
        throw InputError{"missing option --" + name};
    return it->second;
}

std::string Escaped(std::string_view text, bool keepLineBreaks) {
    static const char* const kHex = "0123456789abcdef";
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const char32_t cp = NextCodePoint(text, pos);
        const std::string_view bytes = text.substr(start, pos - start);
        const bool invalid = cp == 0xFFFD && bytes != "\xEF\xBF\xBD";
        const bool control = IsControlCharacter(cp);
        if (keepLineBreaks && (cp == '\n' || cp == '\t')) {
            out += bytes;
        } else if (cp == '\n') {
            out += "\\n";
        } else if (cp == '\t') {
            out += "\\t";
        } else if (cp == '\\' && !keepLineBreaks) {
            out += "\\\\";
        } else if (invalid || control) {
            for (const char ch : bytes) {
                const auto b = static_cast<unsigned char>(ch);
                out += "\\x";
                out += kHex[b >> 4];
                out += kHex[b & 15];
            }
        } else {
            out += bytes;
        }
    }
    return out;
}

std::string Quoted(std::string_view text) {
    return "'" + Escaped(text) + "'";
}

}  // namespace quillora::cli
