#include "i18n.h"

#include "locale_folder.h"
#include "message_language.h"

#include <cctype>
#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>

namespace wsstool {

namespace {

// The arguments a printf text takes, by number: what each must be ("d", "zu", "s", "*" for a
// width), or nothing when the text is not one printf reads safely. Written out here because the
// C library has no such parser, and parse_printf_format() ignores lengths and argument numbers.
std::optional<std::map<int, std::string>> arguments(const char *text)
{
    std::map<int, std::string> args;
    int next = 1;
    auto take = [&](int number, const std::string &kind) {
        const auto [it, added] = args.emplace(number, kind);
        return added || it->second == kind;
    };
    // An argument number "N$" at `p`, or 0.
    auto numbered = [](const char *&p) {
        const char *q = p;
        int n = 0;
        while (std::isdigit(static_cast<unsigned char>(*q)) && n < 100)
            n = n * 10 + (*q++ - '0');
        if (*q != '$' || n == 0)
            return 0;
        p = q + 1;
        return n;
    };
    for (const char *p = text; (p = std::strchr(p, '%')) != nullptr;) {
        ++p;
        if (*p == '%') {
            ++p;
            continue;
        }
        const int number = numbered(p);
        while (*p != '\0' && std::strchr("-+ #0'I", *p))
            ++p;
        for (int part = 0; part < 2; ++part) { // the width, then the precision
            if (part == 1) {
                if (*p != '.')
                    break;
                ++p;
            }
            if (*p == '*') {
                ++p;
                const int star = numbered(p);
                if (!take(star ? star : next++, "*"))
                    return std::nullopt;
            }
            while (std::isdigit(static_cast<unsigned char>(*p)))
                ++p;
        }
        std::string kind;
        while (*p != '\0' && std::strchr("hlLqjzZt", *p))
            kind += *p++;
        const char c = *p++;
        if (c == '\0' || !std::strchr("diouxXeEfFgGaAcsp", c))
            return std::nullopt; // %n writes; anything else is no conversion printf knows here
        kind += std::strchr("di", c) ? 'd' : std::strchr("ouxX", c) ? 'u' : std::strchr("eEfFgGaA", c) ? 'f' : c;
        if (!take(number ? number : next++, kind))
            return std::nullopt;
    }
    return args;
}

} // namespace

bool sameConversions(const char *a, const char *b)
{
    const auto argsA = arguments(a), argsB = arguments(b);
    return argsA && argsB && *argsA == *argsB;
}

const char *translate(const char *text)
{
    const char *translated = gettext(text);
    return translated == text || sameConversions(text, translated) ? translated : text;
}

const char *translatePlural(const char *singular, const char *plural, unsigned long n)
{
    const char *translated = ngettext(singular, plural, n);
    const char *english = n == 1 ? singular : plural;
    return translated == english || sameConversions(english, translated) ? translated : english;
}

void setUpTranslations()
{
    std::setlocale(LC_ALL, "");
    bindtextdomain("talven-sound", localeFolderOfThisTool().c_str());
    textdomain("talven-sound");
    matchSystemTextsToCatalogue();
}

std::string format(const char *text, ...)
{
    std::va_list args;
    va_start(args, text);
    std::va_list measure;
    va_copy(measure, args);
    const int size = std::vsnprintf(nullptr, 0, text, measure);
    va_end(measure);
    std::string out;
    if (size < 0) {
        out = text; // a translation the C library cannot use: show it as it is rather than nothing
    } else {
        out.resize(std::size_t(size));
        std::vsnprintf(out.data(), out.size() + 1, text, args);
    }
    va_end(args);
    return out;
}

} // namespace wsstool
